#pragma once

#include <string_view>

namespace gs {

// Equal when letters A-Z are compared without regard to case; other bytes must match exactly.
bool SameText(std::string_view a, std::string_view b);

// Value of a hexadecimal digit (either case), or -1 for any other character.
int HexDigit(char c);

// Optional sign, then decimal digits, or hexadecimal digits after "$", "0x" or "x" (either case
// of x). Anything else, and values outside the 32-bit range, raise EConvertError with
// "'text' ist kein gültiger Integerwert".
int StrToInt(std::string_view text);

// "True" or "False" in any case; anything else raises EConvertError.
bool StrToBool(std::string_view text);

} // namespace gs
