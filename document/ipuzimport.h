#pragma once

#include <QByteArray>
#include <QString>

namespace gs {

// Whether a file beginning with head is read as ipuz: a JSON object, after an optional UTF-8
// byte-order mark and white space.
bool IsIpuzHead(const QByteArray &head);
// Replaces the puzzle by the ipuz crossword in content (the file's first bytes, at most
// MaxIpuzFileSize + 1, see ipuzexport.h). Returns false and changes nothing, with a message naming
// why, for content that is too long, not JSON, not a crossword or without a usable grid. Otherwise
// the puzzle opens unnamed and modified; what it cannot hold (cells beyond the editing area,
// letters Windows-1252 cannot hold, clues that cannot be placed) is left out with the
// invalid-data message, and characters of definitions Windows-1252 cannot hold become "?" with
// one notice.
bool ImportIpuzFile(const QString &fileName, const QByteArray &content);

} // namespace gs
