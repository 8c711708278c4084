#pragma once

#include "document/xmlcollectionitem.h"

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gs {

// An owning, ordered list of items of one item class. Its XML is the sequence of its items'
// elements; as a document it is wrapped in a root element "<Name-list>".
class TXMLCollection : public TXMLSerializable
{
public:
    using TItemFactory = std::function<std::unique_ptr<TXMLCollectionItem>()>;

    // itemClassName gives the items' element name; createItem makes an item of that class.
    // Reading keeps at most maxCount items, so that a document's memory stays bounded.
    TXMLCollection(std::string_view itemClassName,
                   TItemFactory createItem,
                   int maxCount = std::numeric_limits<int>::max());

    TXMLCollectionItem &Add();
    void Clear() { m_items.clear(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    // The i-th item, from 0; std::out_of_range outside.
    TXMLCollectionItem &Items(int index) const
    {
        return *m_items.at(static_cast<std::size_t>(index));
    }

    // No published properties of its own.
    const TXMLPropertyList &properties() const override;
    void AppendXML(std::string &text) const override;
    // Empties the collection, then appends one item per element named exactly ItemTagName(),
    // up to maxCount items; further elements are skipped unread and set overflowed().
    void SetXML(std::string_view text) override;
    bool overflowed() const { return m_overflowed; }

    const std::string &ItemTagName() const { return m_itemTagName; }
    std::string XMLTagName() const { return CollectionTagName(className()) + "-list"; }

    // "<Name-list>" + GetXML() + "</Name-list>", nothing before or after.
    std::string XMLDocument() const;
    // Fills the collection from the root element of a document; no root element leaves it empty.
    void LoadXMLDocument(std::string_view text);

private:
    std::string m_itemTagName;
    TItemFactory m_createItem;
    int m_maxCount;
    bool m_overflowed = false;
    std::vector<std::unique_ptr<TXMLCollectionItem>> m_items;
};

} // namespace gs
