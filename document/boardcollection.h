#pragma once

#include "document/boardcollectionitem.h"
#include "document/xmlcollectionof.h"

namespace gs {

// The board of a stored document, column by column: the item of (c, r) has the index
// (c - 1) * BoardRows + (r - 1).
class TBoardCollection : public TXMLCollectionOf<TBoardCollectionItem>
{
public:
    static constexpr std::string_view ClassName = "TBoardCollection";
    std::string_view className() const override { return ClassName; }
};

} // namespace gs
