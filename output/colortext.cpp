#include "output/colortext.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace gs {

namespace {

struct NamedColor
{
    const char *name;
    TColor value;
};

constexpr std::array<NamedColor, 16> namedColors{{
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
}};

bool equalsIgnoringCase(const std::string &text, const char *name)
{
    const QLatin1StringView latin(text.data(), qsizetype(text.size()));
    return latin.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0;
}

std::optional<int> hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return std::nullopt;
}

} // namespace

QString ColorToHtml(TColor color)
{
    return QStringLiteral("#%1%2%3")
            .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
            .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
            .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
            .toUpper();
}

TColor HtmlToColor(const QString &text)
{
    constexpr TColor white = 0xFFFFFF;
    if (text.size() < 7)
        return white;
    TColor color = 0;
    for (int component = 0; component < 3; ++component) {
        const auto high = hexDigit(text.at(1 + 2 * component));
        const auto low = hexDigit(text.at(2 + 2 * component));
        if (!high || !low)
            return white;
        color |= TColor(*high * 16 + *low) << (8 * component);
    }
    return color;
}

std::string colorToText(TColor color)
{
    for (const NamedColor &named : namedColors) {
        if (named.value == color)
            return named.name;
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08x", unsigned(color));
    return text;
}

std::optional<TColor> colorFromText(const std::string &text)
{
    for (const NamedColor &named : namedColors) {
        if (equalsIgnoringCase(text, named.name))
            return named.value;
    }
    if (const auto value = parseInteger(text))
        return TColor(*value);
    return std::nullopt;
}

std::optional<qint32> parseInteger(const std::string &text)
{
    const char *first = text.data();
    const char *last = first + text.size();
    bool negative = false;
    if (first != last && (*first == '-' || *first == '+'))
        negative = *first++ == '-';
    int base = 10;
    if (first != last && *first == '$') {
        base = 16;
        ++first;
    }
    if (first == last || *first == '-' || *first == '+')
        return std::nullopt;
    quint64 magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude, base);
    if (error != std::errc() || end != last)
        return std::nullopt;
    // Hexadecimal spells the bit pattern ("$FFFFFFFF" is -1); decimal must fit the range.
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFu)
            return std::nullopt;
        const qint32 bits = qint32(quint32(magnitude));
        return negative ? qint32(0u - quint32(bits)) : bits;
    }
    const quint64 limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    if (magnitude > limit)
        return std::nullopt;
    return negative ? qint32(0u - quint32(magnitude)) : qint32(magnitude);
}

} // namespace gs
