#include "core/fontcache.h"

#include "core/cp1252.h"

#include <QCoreApplication>

#include <map>
#include <memory>
#include <tuple>

namespace gs {

namespace {

using FontKey = std::tuple<QString, int, bool>;

std::map<FontKey, std::unique_ptr<FontCache::Font>> &fonts()
{
    static std::map<FontKey, std::unique_ptr<FontCache::Font>> all;
    return all;
}

// Longer texts (definitions) are laid out each time they are drawn.
constexpr size_t MaxKeptLength = 16;
// Words of definitions would otherwise pile up over a long session.
constexpr size_t MaxKeptTexts = 4096;

} // namespace

const FontCache::Text *FontCache::Font::shortText(const std::string &text)
{
    // A static text would show a soft hyphen that plain drawing hides.
    if (text.size() > MaxKeptLength || text.find('\xAD') != std::string::npos)
        return nullptr;
    auto found = m_texts.find(text);
    if (found != m_texts.end())
        return &found->second;
    if (m_texts.size() >= MaxKeptTexts)
        m_texts.clear();
    const QString unicode = toQString(text);
    QStaticText layout(unicode);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), font);
    return &m_texts.emplace(text, Text{layout, metrics.horizontalAdvance(unicode)}).first->second;
}

FontCache::Font &FontCache::font(const QString &family, int pixelSize, bool bold)
{
    auto &all = fonts();
    const FontKey key{family, pixelSize, bold};
    auto found = all.find(key);
    if (found != all.end())
        return *found->second;
    if (all.empty())
        qAddPostRoutine(&FontCache::clear);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return *all.emplace(key, std::make_unique<Font>(font)).first->second;
}

void FontCache::clear()
{
    fonts().clear();
}

} // namespace gs
