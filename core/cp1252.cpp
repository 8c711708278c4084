#include "core/cp1252.h"

#include <QList>

#include <array>

namespace gs {

namespace {

// Unicode of the bytes 0x80..0x9F; undefined bytes keep their own value.
constexpr std::array<char16_t, 32> HighControls
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

} // namespace

QString toQString(const std::string &bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (char c : bytes)
        text.append(QChar(unicodeOf(static_cast<unsigned char>(c))));
    return text;
}

std::optional<char> charFromUnicode(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < int(HighControls.size()); ++i) {
        if (HighControls[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

bool fitsCodePage(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(), [](uint code) {
        return charFromUnicode(char32_t(code)).has_value();
    });
}

std::string fromQString(const QString &text)
{
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (char32_t code : text.toUcs4())
        bytes.push_back(charFromUnicode(code).value_or('?'));
    return bytes;
}

char upperChar(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - 0x20);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)
        return static_cast<char>(byte - 0x20);
    switch (byte) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return static_cast<char>(byte - 0x10);
    case 0xFF: // ÿ
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string upperCase(std::string text)
{
    for (char &c : text)
        c = upperChar(c);
    return text;
}

} // namespace gs
