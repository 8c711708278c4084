#pragma once

#include "output/outputsettings.h"

#include <QString>

#include <string>

namespace gs {

// The maker's web address, named in the generator line of every exported page.
inline constexpr char ProgramWebAddress[] = "https://gitterstern.example.org/";

// The web page of the open puzzle (Puzzle), or why it cannot be built.
struct HtmlPage
{
    std::string text;     // Windows-1252, every line ending in CR LF
    bool usesArc = false; // the page shows "arc.gif" beside it
    QString error;        // German message; empty when the page was built
};

// Builds the page of Puzzle as settings shape it, for the file fileName (the background
// picture is referred to relative to its folder). A number setting that holds no integer gives
// an error naming the setting and no text.
HtmlPage MakeHtmlPage(const OutputSettings &settings, const QString &fileName);

// Builds the page and writes it to fileName, with "arc.gif" beside it when the page shows it.
// Returns an empty text on success, else a German message; a page that cannot be built writes
// nothing.
QString GenerateHTML(const QString &fileName, const OutputSettings &settings);

// Writes the open circle of a solution-letter field, one FieldSize square, as an interlaced GIF
// with white transparent. Returns an empty text on success, else a German message.
QString WriteArcGif(const QString &fileName);

// The background picture setting as the page in folder refers to it: relative to folder when
// both lie on the same drive (or, on a system without drives, below the same root), with
// "..\" steps and "\" between folders, folder names compared as the file system compares them;
// any other setting unchanged.
std::string relativePicturePath(const std::string &picture, const QString &folder);

} // namespace gs
