#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <string>

namespace gs {

// A colour as the document stores it: 0x00BBGGRR, red in the lowest byte.
using TColor = quint32;

// "#RRGGBB" in upper-case hexadecimal, from the low three bytes.
QString ColorToHtml(TColor color);
// Characters 2-3, 4-5 and 6-7 read as hexadecimal red, green and blue; white when they cannot
// be read so.
TColor HtmlToColor(const QString &text);

// The settings text of a colour: one of the 16 colour names ("clRed") or "$" and eight
// lower-case hexadecimal digits.
std::string colorToText(TColor color);
// A colour name (any case) or an integer; nothing when the text is neither.
std::optional<TColor> colorFromText(const std::string &text);

// A 32-bit signed integer written as an optional sign and decimal digits, or as hexadecimal
// digits after "$"; nothing for any other text or a value out of range.
std::optional<qint32> parseInteger(const std::string &text);

} // namespace gs
