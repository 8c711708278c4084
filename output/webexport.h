#pragma once

#include "output/outputsettings.h"

#include <QString>

#include <string>

namespace gs {

// The web puzzle of the open puzzle (Puzzle): one UTF-8 page that carries its script, its
// style and the puzzle as JSON data, with the solution letters scrambled. The title, the
// sentence shown on completion and whether the page can be checked come from settings.
std::string MakeWebPage(const OutputSettings &settings);

// Writes the web puzzle to fileName. Returns an empty text on success, else a German message;
// a board without fields writes nothing.
QString ExportWebPage(const QString &fileName, const OutputSettings &settings);

// text as a JSON string literal in UTF-8; every "<" is escaped so that the data can never end
// or open an element of the page.
std::string jsonString(const QString &text);

} // namespace gs
