#include "document/conversion.h"

#include "document/econverterror.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace gs {

namespace {

// Removes a hexadecimal prefix ("$", "0x", "x", either case of x); true when there was one.
bool TakeHexPrefix(std::string_view &digits)
{
    for (const std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
        if (digits.starts_with(prefix)) {
            digits.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

// The magnitude of a digit string in the given base, or nothing when it is empty, holds another
// character or exceeds limit.
std::optional<std::int64_t> Magnitude(std::string_view digits, int base, std::int64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

bool SameText(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int StrToInt(std::string_view text)
{
    std::string_view digits = text;
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+'))
        digits.remove_prefix(1);
    const int base = TakeHexPrefix(digits) ? 16 : 10;
    const std::int64_t limit = negative ? std::int64_t(INT32_MAX) + 1 : INT32_MAX;
    const std::optional<std::int64_t> magnitude = Magnitude(digits, base, limit);
    if (!magnitude)
        throw EConvertError("'" + std::string(text) + "' ist kein g\xFCltiger Integerwert");
    return static_cast<int>(negative ? -*magnitude : *magnitude);
}

bool StrToBool(std::string_view text)
{
    if (SameText(text, "True"))
        return true;
    if (SameText(text, "False"))
        return false;
    throw EConvertError("'" + std::string(text) + "' ist kein g\xFCltiger Boolescher Wert");
}

} // namespace gs
