#include "document/xmltext.h"

#include "document/conversion.h"
#include "document/econverterror.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace gs {

namespace {

bool IsKeptAsIs(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
           || std::string_view(" !,-./:;=[\\]_").find(static_cast<char>(c)) != npos;
}

bool StartsWithText(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::string Tag(std::string_view start, std::string_view name)
{
    std::string tag;
    tag.reserve(start.size() + name.size() + 1);
    tag.append(start).append(name).append(">");
    return tag;
}

std::string_view Trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Replaces "&#xHH" plus one more character from the back of the text to the front. A replaced
// character is never the "&" of another reference, but may be a digit of one further left, so
// this is not the same as a forward scan. The part already scanned is kept reversed, so that
// putting a character in front of it is an append and the whole scan stays linear.
std::string ReplaceReferencesBackwards(std::string_view text)
{
    constexpr std::size_t ReferenceLength = 6;
    if (text.size() < ReferenceLength)
        return std::string(text);
    std::string tail(text.rbegin(), text.rbegin() + (ReferenceLength - 1));
    const auto tailAt = [&tail](std::size_t k) { return tail[tail.size() - 1 - k]; };
    for (std::size_t i = text.size() - ReferenceLength + 1; i-- > 0;) {
        if (text[i] == '&' && tail.size() >= ReferenceLength - 1 && tailAt(0) == '#'
            && tailAt(1) == 'x') {
            const int high = HexDigit(tailAt(2));
            const int low = HexDigit(tailAt(3));
            if (high < 0 || low < 0) {
                throw EConvertError(std::string("'&#x") + tailAt(2) + tailAt(3)
                                    + ";' ist kein g\xFCltiger Integerwert");
            }
            tail.resize(tail.size() - (ReferenceLength - 1));
            tail += static_cast<char>(high * 16 + low);
        } else {
            tail += text[i];
        }
    }
    return std::string(tail.rbegin(), tail.rend());
}

// A pattern prepared for Boyer-Moore-Horspool search: the skip table holds, for each byte, the
// distance from its last occurrence in the pattern (last byte excluded) to the pattern's end, or
// the pattern's length. Shifts are capped at 255 to keep the table small; a shorter shift is
// always safe.
class THorspoolPattern
{
public:
    explicit THorspoolPattern(std::string_view pattern)
        : m_pattern(pattern)
    {
        const std::size_t m = pattern.size();
        m_skip.fill(static_cast<std::uint8_t>(std::min<std::size_t>(m, 255)));
        for (std::size_t j = 0; j + 1 < m; ++j)
            m_skip[static_cast<unsigned char>(pattern[j])] = std::min<std::size_t>(m - 1 - j, 255);
    }

    std::size_t findIn(std::string_view text, std::size_t start) const
    {
        const std::size_t m = m_pattern.size();
        if (m == 0 || start > text.size() || text.size() - start < m)
            return npos;
        if (m == 1) {
            const void *hit = std::memchr(text.data() + start, m_pattern[0], text.size() - start);
            return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - text.data())
                       : npos;
        }
        const char last = m_pattern[m - 1];
        for (std::size_t i = start; i + m <= text.size();) {
            const char aligned = text[i + m - 1];
            if (aligned == last && std::memcmp(text.data() + i, m_pattern.data(), m - 1) == 0)
                return i;
            i += m_skip[static_cast<unsigned char>(aligned)];
        }
        return npos;
    }

private:
    std::string_view m_pattern;
    std::array<std::uint8_t, 256> m_skip;
};

} // namespace

std::string EncodeXMLText(std::string_view value)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(value.size());
    for (const char c : value) {
        const auto code = static_cast<unsigned char>(c);
        if (IsKeptAsIs(code)) {
            text += c;
        } else {
            const char reference[] = {'&', '#', 'x', Hex[code >> 4], Hex[code & 15], ';'};
            text.append(reference, sizeof reference);
        }
    }
    return text;
}

std::string DecodeXMLText(std::string_view text)
{
    constexpr std::string_view CDataStart = "<![CDATA[";
    if (StartsWithText(text, CDataStart)) {
        const std::size_t end = std::max(text.size(), CDataStart.size() + 3) - 3;
        return std::string(text.substr(CDataStart.size(), end - CDataStart.size()));
    }
    if (text.find('&') == npos)
        return std::string(Trimmed(text));
    return std::string(Trimmed(ReplaceReferencesBackwards(text)));
}

std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t start)
{
    return THorspoolPattern(pattern).findIn(text, start);
}

std::string_view TextBetween(std::string_view text,
                             std::string_view open,
                             std::string_view close,
                             std::size_t &position)
{
    const std::size_t start = position;
    position = npos;
    if (start >= text.size() || open.empty() || close.empty())
        return {};
    const std::size_t openAt = FindFrom(text, open, start);
    if (openAt == npos)
        return {};
    const std::size_t from = openAt + open.size();
    const std::size_t closeAt = FindFrom(text, close, from);
    if (closeAt == npos)
        return {};
    position = closeAt + close.size();
    return text.substr(from, closeAt - from);
}

std::string_view ElementContent(std::string_view text, std::string_view name, std::size_t &position)
{
    const std::size_t start = position;
    position = npos;
    if (start >= text.size() || name.empty())
        return {};
    const std::string openTag = Tag("<", name);
    const std::string closeTag = Tag("</", name);
    const THorspoolPattern opening(openTag);
    const THorspoolPattern closing(closeTag);
    const std::size_t openAt = opening.findIn(text, start);
    if (openAt == npos)
        return {};
    const std::size_t contentStart = openAt + openTag.size();
    std::size_t searchPoint = contentStart;
    std::size_t closeAt = npos;
    std::size_t depth = 1;
    while (depth > 0) {
        closeAt = closing.findIn(text, searchPoint);
        if (closeAt == npos)
            return {};
        --depth;
        // Only opening tags that end before this closing tag count.
        const std::string_view before = text.substr(0, closeAt);
        for (std::size_t at = opening.findIn(before, searchPoint); at != npos;
             at = opening.findIn(before, at + openTag.size()))
            ++depth;
        searchPoint = closeAt + closeTag.size();
    }
    position = searchPoint;
    return text.substr(contentStart, closeAt - contentStart);
}

std::string_view FindRootElement(std::string_view text, std::string_view name)
{
    std::size_t position = 0;
    const std::size_t docType = FindFrom(text, "<!DOCTYPE ", 0);
    if (docType != npos) {
        const std::size_t subsetEnd = FindFrom(text, "]>", docType);
        if (subsetEnd != npos)
            position = subsetEnd + 2;
    }
    while (position < text.size()) {
        std::size_t afterTag = position;
        const std::string_view tag = TextBetween(text, "<", ">", afterTag);
        if (StartsWithText(tag, "?xml")) {
            position = afterTag;
            continue;
        }
        const std::string_view content = ElementContent(text, tag, position);
        if (SameText(tag, name))
            return content;
    }
    return {};
}

} // namespace gs
