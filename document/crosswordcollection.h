#pragma once

#include "document/crosswordcollectionitem.h"
#include "document/xmlcollectionof.h"

namespace gs {

// A stored puzzle document: root element "CrossWord-list" holding one "CrossWord" item;
// further items are not read.
class TCrossWordCollection : public TXMLCollectionOf<TCrossWordCollectionItem, 1>
{
public:
    static constexpr std::string_view ClassName = "TCrossWordCollection";
    std::string_view className() const override { return ClassName; }
};

} // namespace gs
