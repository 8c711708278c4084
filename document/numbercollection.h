#pragma once

#include "document/numbercollectionitem.h"
#include "document/xmlcollectionof.h"

namespace gs {

// The clue numbers of a stored document, in list order.
class TNumberCollection : public TXMLCollectionOf<TNumberCollectionItem>
{
public:
    static constexpr std::string_view ClassName = "TNumberCollection";
    std::string_view className() const override { return ClassName; }
};

} // namespace gs
