#include "document/xmlcollectionitem.h"

#include "document/objectxml.h"

namespace gs {

std::string CollectionTagName(std::string_view className)
{
    const std::size_t at = className.find("Collection");
    if (at == std::string_view::npos || at == 0)
        return {};
    return std::string(className.substr(1, at - 1));
}

void TXMLCollectionItem::AppendXML(std::string &text) const
{
    AppendObjectXML(text, *this);
}

void TXMLCollectionItem::SetXML(std::string_view text)
{
    ObjectFromXML(*this, text);
}

} // namespace gs
