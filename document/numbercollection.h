#pragma once

#include "document/numbercollectionitem.h"
#include "document/xmlcollectionof.h"

namespace gs {

// A stored document holds at most this many clue numbers, four times what the editing area
// can carry (one horizontal and one vertical at each position).
inline constexpr int MaxStoredNumbers = 16384;

// The clue numbers of a stored document, in list order.
class TNumberCollection : public TXMLCollectionOf<TNumberCollectionItem, MaxStoredNumbers>
{
public:
    static constexpr std::string_view ClassName = "TNumberCollection";
    std::string_view className() const override { return ClassName; }
};

} // namespace gs
