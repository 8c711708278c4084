#pragma once

#include "document/xmlcollection.h"

#include <memory>

namespace gs {

// A TXMLCollection whose items are of class Item, with typed access to them.
template<class Item>
class TXMLCollectionOf : public TXMLCollection
{
public:
    TXMLCollectionOf()
        : TXMLCollection(Item::ClassName, [] { return std::make_unique<Item>(); })
    {
    }

    Item &Add() { return static_cast<Item &>(TXMLCollection::Add()); }
    Item &Items(int index) const { return static_cast<Item &>(TXMLCollection::Items(index)); }
};

} // namespace gs
