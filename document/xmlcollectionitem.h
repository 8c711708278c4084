#pragma once

#include "document/xmlserializable.h"

#include <string>
#include <string_view>

namespace gs {

// Element name derived from a class name: the part between its first character (the "T" prefix)
// and the first "Collection" in it, so "TBoardCollectionItem" and "TBoardCollection" give
// "Board"; empty when the name holds no "Collection".
std::string CollectionTagName(std::string_view className);

// An item of a TXMLCollection, written and read by its published properties.
class TXMLCollectionItem : public TXMLSerializable
{
public:
    void AppendXML(std::string &text) const override;
    void SetXML(std::string_view text) override;

    std::string XMLTagName() const { return CollectionTagName(className()); }
};

} // namespace gs
