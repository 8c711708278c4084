#pragma once

#include "core/point.h"

#include <QString>

#include <string>
#include <string_view>

namespace gs {

// The 10 bytes in front of every document: length byte 9 and "Sternfeld".
inline constexpr std::string_view DocumentSignature{"\x09Sternfeld", 10};

// Replaces the open document by the file's content (document or older text format).
// Returns false when nothing was loaded (file unreadable or not a puzzle); messages go to the
// prompt.
bool LoadPuzzle(const QString &fileName);
// Writes the document and its plain ".xml" copy, each through a temporary file, so that a
// failed save never leaves a damaged or half-written file behind. Returns false when the save
// failed; the message went to the prompt and the document stays modified.
bool SavePuzzle(const QString &fileName);
// The message for a file that is not opened at all, with reason (German) after it when given.
void ReportUnreadable(const QString &fileName, const QString &reason = QString());
// The message for a document that holds data the editor cannot use; it is loaded as far as
// it goes.
void ReportInvalidData(const QString &fileName);
// Whether the drawing can use a field size and frame width read from a file.
bool IsDrawableSize(int fieldSize, int borderWidth);
// A solution-frame end read from a file: p when it is unset or within the editing area, else
// unset (-1, -1) with valid cleared.
TPoint CheckedFrameEnd(TPoint p, bool &valid);
// The version notice for a file written by a newer program.
void CheckFileVersion(const QString &fileName, const std::string &fileVersion);

// The document text of the open puzzle, as saved (before compression).
std::string DocumentText();
// Splits text at CR, LF or CR LF and rejoins it with CR LF after every line.
std::string NormalizeLineBreaks(std::string text);

} // namespace gs
