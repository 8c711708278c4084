#pragma once

#include <QString>

#include <optional>
#include <string>

namespace gs {

// Board and document text is 8-bit Windows-1252; these convert at the Qt boundary.

// Every byte maps to one character; the five bytes the code page leaves undefined map to the
// C1 control of the same value, so any byte string survives a round trip.
QString toQString(const std::string &bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string fromQString(const QString &text);
// One character, or nothing when the code page cannot hold it.
std::optional<char> charFromUnicode(char32_t code);
// True when the code page holds every character of text.
bool fitsCodePage(const QString &text);

// Upper-casing by the code page: a-z, à-þ (not ÷), š, œ, ž, ÿ; ß and µ stay as they are.
char upperChar(char c);
std::string upperCase(std::string text);

} // namespace gs
