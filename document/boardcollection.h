#pragma once

#include "document/boardcollectionitem.h"
#include "document/xmlcollectionof.h"

namespace gs {

// A stored board holds at most this many positions: the editing area many times over (the
// editor widens the array by one empty column or row per shift beyond it).
inline constexpr int MaxBoardItems = 65536;

// The board of a stored document, column by column: the item of (c, r) has the index
// (c - 1) * BoardRows + (r - 1).
class TBoardCollection : public TXMLCollectionOf<TBoardCollectionItem, MaxBoardItems>
{
public:
    static constexpr std::string_view ClassName = "TBoardCollection";
    std::string_view className() const override { return ClassName; }
};

} // namespace gs
