#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gs {

class TXMLProperty;
using TXMLPropertyList = std::vector<TXMLProperty>;

// An object the XML serializer writes and reads by its published properties: a collection or a
// collection item. Each concrete class names itself (element names derive from class names) and
// lists its published properties.
class TXMLSerializable
{
public:
    TXMLSerializable() = default;
    TXMLSerializable(const TXMLSerializable &) = delete;
    TXMLSerializable &operator=(const TXMLSerializable &) = delete;
    virtual ~TXMLSerializable() = default;

    virtual std::string_view className() const = 0;
    // The published properties, sorted for writing (see XMLPropertyList).
    virtual const TXMLPropertyList &properties() const = 0;

    // Appends the element list of the object's content, one line per element.
    virtual void AppendXML(std::string &text) const = 0;
    // The element list of the object's content.
    std::string GetXML() const
    {
        std::string text;
        AppendXML(text);
        return text;
    }
    // Fills the object from such an element list.
    virtual void SetXML(std::string_view text) = 0;
};

} // namespace gs
