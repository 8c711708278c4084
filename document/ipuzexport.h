#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace gs {

// The key of our own field in an ipuz file: what the format cannot say (where the box of the
// fields lies on the board, the solution frame, the drawing settings, the exact side of every
// separator, the output settings text), so that a file read back gives the puzzle again.
inline constexpr char IpuzExtensionKey[] = "http://gitterstern.example/ipuz/v1";

// Longer files are neither read nor written as ipuz: the largest board, numbered twice in every
// field, with 255 characters of definition each, all written as escapes, stays under half of it.
inline constexpr qint64 MaxIpuzFileSize = 16 * 1024 * 1024;

// The open puzzle as an ipuz v2 crossword in UTF-8 JSON without byte-order mark: the box of the
// fields as grid, clue lists "Across" and "Down" with the cells of each word, separators as bars,
// solution numbers as circled cells, title (Windows-1252) as given. Empty when the puzzle has no
// field.
QByteArray IpuzText(const std::string &title);
// Writes IpuzText to fileName through the safe write. Returns an empty text on success, else a
// German message: the puzzle has no field, the text would be too long to read back, or the file
// could not be written; an existing file stays unchanged.
QString ExportIpuz(const QString &fileName, const std::string &title);

} // namespace gs
