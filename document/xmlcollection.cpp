#include "document/xmlcollection.h"

#include "document/objectxml.h"
#include "document/xmltext.h"

namespace gs {

TXMLCollection::TXMLCollection(std::string_view itemClassName,
                               TItemFactory createItem,
                               int maxCount)
    : m_itemTagName(CollectionTagName(itemClassName))
    , m_createItem(std::move(createItem))
    , m_maxCount(maxCount)
{
}

TXMLCollectionItem &TXMLCollection::Add()
{
    m_items.push_back(m_createItem());
    return *m_items.back();
}

const TXMLPropertyList &TXMLCollection::properties() const
{
    static const TXMLPropertyList none;
    return none;
}

void TXMLCollection::AppendXML(std::string &text) const
{
    AppendObjectXML(text, *this);
    for (const auto &item : m_items)
        AppendObjectElement(text, m_itemTagName, *item);
}

void TXMLCollection::SetXML(std::string_view text)
{
    Clear();
    m_overflowed = false;
    ReadElements(text, [this](std::string_view name, std::string_view content) {
        if (name == m_itemTagName && Count() >= m_maxCount)
            m_overflowed = true;
        else if (name == m_itemTagName)
            Add().SetXML(content);
        else if (const TXMLProperty *property = FindProperty(properties(), name))
            PropertyFromXML(*this, *property, content);
    });
}

std::string TXMLCollection::XMLDocument() const
{
    const std::string root = XMLTagName();
    std::string text = "<" + root + ">";
    AppendXML(text);
    return text.append("</").append(root).append(">");
}

void TXMLCollection::LoadXMLDocument(std::string_view text)
{
    SetXML(FindRootElement(text, XMLTagName()));
}

} // namespace gs
