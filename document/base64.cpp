#include "document/base64.h"

#include "document/econverterror.h"

#include <algorithm>
#include <cstdint>

namespace gs {

namespace {

constexpr std::string_view Alphabet
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

EConvertError InvalidBase64(std::string_view text)
{
    return EConvertError("'" + std::string(text) + "' ist kein g\xFCltiger Base64-Text");
}

} // namespace

std::string Base64Encode(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            text += k <= count ? Alphabet[group >> (18 - 6 * k) & 0x3F] : '=';
    }
    return text;
}

std::string Base64Decode(std::string_view text)
{
    while (text.ends_with('='))
        text.remove_suffix(1);
    if (text.size() % 4 == 1)
        throw InvalidBase64(text);
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : text) {
        const std::size_t sextet = Alphabet.find(c);
        if (sextet == std::string_view::npos)
            throw InvalidBase64(text);
        bits = (bits << 6 | static_cast<std::uint32_t>(sextet)) & 0xFFFFFF;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes += static_cast<char>(bits >> bitCount & 0xFF);
        }
    }
    return bytes;
}

} // namespace gs
