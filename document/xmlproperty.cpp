#include "document/xmlproperty.h"

#include "document/conversion.h"

#include <algorithm>

namespace gs {

TXMLPropertyList XMLPropertyList(TXMLPropertyList published)
{
    const auto key = [](char c) { return static_cast<unsigned char>(c) & ~0x20u; };
    std::stable_sort(published.begin(),
                     published.end(),
                     [&key](const TXMLProperty &a, const TXMLProperty &b) {
                         return std::lexicographical_compare(
                                 a.name().begin(),
                                 a.name().end(),
                                 b.name().begin(),
                                 b.name().end(),
                                 [&key](char x, char y) { return key(x) < key(y); });
                     });
    return published;
}

const TXMLProperty *FindProperty(const TXMLPropertyList &properties, std::string_view name)
{
    const auto found
            = std::find_if(properties.begin(), properties.end(), [name](const TXMLProperty &p) {
                  return SameText(p.name(), name);
              });
    return found == properties.end() ? nullptr : &*found;
}

} // namespace gs
