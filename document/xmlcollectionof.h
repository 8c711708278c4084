#pragma once

#include "document/xmlcollection.h"

#include <limits>
#include <memory>

namespace gs {

// A TXMLCollection whose items are of class Item, with typed access to them; reading keeps at
// most MaxCount items.
template<class Item, int MaxCount = std::numeric_limits<int>::max()>
class TXMLCollectionOf : public TXMLCollection
{
public:
    TXMLCollectionOf()
        : TXMLCollection(
                Item::ClassName, [] { return std::make_unique<Item>(); }, MaxCount)
    {
    }

    Item &Add() { return static_cast<Item &>(TXMLCollection::Add()); }
    Item &Items(int index) const { return static_cast<Item &>(TXMLCollection::Items(index)); }
};

} // namespace gs
