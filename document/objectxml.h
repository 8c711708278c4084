#pragma once

#include "document/xmlproperty.h"

#include <functional>
#include <string>
#include <string_view>

namespace gs {

// Writing and reading objects by their published properties.

// Appends one line "<Name>value</Name>" plus CR LF per property, in the order of the property
// list.
void AppendObjectXML(std::string &text, const TXMLSerializable &object);
// Sets the properties whose elements appear in text; unknown elements are skipped.
void ObjectFromXML(TXMLSerializable &object, std::string_view text);

// Appends the line "<name>content</name>" and CR LF.
void AppendElement(std::string &text, std::string_view name, std::string_view content);
// Appends "<name>", the object's element list and "</name>" with CR LF.
void AppendObjectElement(std::string &text, std::string_view name, const TXMLSerializable &object);

// The value text of one property.
std::string PropertyToXML(const TXMLSerializable &object, const TXMLProperty &property);
// Sets one property from its element content; empty content leaves it unchanged. Object-valued
// properties are filled in place; their errors come back as EXMLException "(inner)Error with
// property - Name".
void PropertyFromXML(TXMLSerializable &object,
                     const TXMLProperty &property,
                     std::string_view content);

// Calls readElement(name, content) for each complete element of text in turn. Reading stops at a
// tag that is not followed by its own closing tag (an empty-element tag, a tag with attributes,
// a comment, a stray closing tag). An error other than EXMLException becomes EXMLException
// "(inner)Error Processing XML - Name".
void ReadElements(
        std::string_view text,
        const std::function<void(std::string_view name, std::string_view content)> &readElement);

} // namespace gs
