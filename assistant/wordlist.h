#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace gs {

// Word lists longer than this are refused rather than fitted for minutes.
inline constexpr qint64 MaxWordListBytes = 1 << 20;
inline constexpr int MaxWordListLines = 10000;

// Reads a word list file's text: UTF-8 (a byte-order mark is dropped) or UTF-16 behind its
// byte-order mark, at most MaxWordListBytes. On failure returns false with a German message in
// error: unreadable, too large, or naming the first line that is not UTF-8 (a NUL byte, as in
// UTF-16 without a byte-order mark, counts as such).
bool readWordListText(const QString &fileName, QString &text, QString &error);
// The same for a word list's bytes; name is the list's file name for the messages.
bool decodeWordList(const QByteArray &bytes, const QString &name, QString &text, QString &error);
// Reads a UTF-8 word list: every line is one entry, an empty line too (line breaks CR LF, LF or
// CR; a break at the end closes the last line). On failure returns false with a German message
// in error: unreadable or too long, no lines, or a line that Windows-1252 cannot hold.
bool readWordList(const QString &fileName, std::vector<std::string> &words, QString &error);
// The lines of a word list typed or read as text, split as readWordList does.
QStringList wordListLines(const QString &text);
// The message for a list beyond those limits; name is the file's name or empty for a typed list.
QString wordListTooLong(const QString &name);
// The line with the given number of a word list as Windows-1252 bytes; false with a German message
// naming the line when the code page cannot hold one of its characters.
bool lineToCp1252(const QString &line, int number, std::string &bytes, QString &error);
// The lines as Windows-1252 words; false with a German message when there are no lines or
// naming the first line that the code page cannot hold.
bool wordsFromLines(const QStringList &lines, std::vector<std::string> &words, QString &error);

} // namespace gs
