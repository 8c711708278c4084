#include "document/objectxml.h"

#include "document/base64.h"
#include "document/conversion.h"
#include "document/xmlexception.h"
#include "document/xmltext.h"

#include <cstdio>

namespace gs {

namespace {

// A colour keeps red in its lowest byte; its text shows red first. Swapping the outer bytes turns
// one order into the other.
int SwapRedBlue(int color)
{
    const auto value = static_cast<unsigned>(color);
    return static_cast<int>((value & 0xFF00FF00u) | (value & 0xFFu) << 16 | (value >> 16 & 0xFFu));
}

std::string ColorToXML(int color)
{
    char text[8];
    std::snprintf(
            text, sizeof text, "$%06X", static_cast<unsigned>(SwapRedBlue(color)) & 0xFFFFFFu);
    return text;
}

std::string StringToXML(const TXMLProperty &property, const std::string &value)
{
    if (property.typeName() == XMLString)
        return value;
    if (property.typeName() == XMLMIMEString)
        return Base64Encode(value);
    return EncodeXMLText(value);
}

std::string StringFromXML(const TXMLProperty &property, std::string_view content)
{
    if (property.typeName() == XMLString)
        return std::string(content);
    if (property.typeName() == XMLMIMEString)
        return Base64Decode(content);
    return DecodeXMLText(content);
}

void ReadObjectProperty(TXMLSerializable &object,
                        const TXMLProperty &property,
                        std::string_view content)
{
    try {
        property.objectOf(object).SetXML(content);
    } catch (const std::exception &error) {
        throw EXMLException("(" + MessageOf(error) + ")Error with property - "
                            + std::string(property.name()));
    }
}

} // namespace

void AppendObjectXML(std::string &text, const TXMLSerializable &object)
{
    for (const TXMLProperty &property : object.properties()) {
        if (property.kind() == TXMLProperty::Kind::Object)
            AppendObjectElement(text, property.name(), property.objectOf(object));
        else
            AppendElement(text, property.name(), PropertyToXML(object, property));
    }
}

void ObjectFromXML(TXMLSerializable &object, std::string_view text)
{
    ReadElements(text, [&object](std::string_view name, std::string_view content) {
        if (const TXMLProperty *property = FindProperty(object.properties(), name))
            PropertyFromXML(object, *property, content);
    });
}

void AppendElement(std::string &text, std::string_view name, std::string_view content)
{
    text.append("<").append(name).append(">").append(content);
    text.append("</").append(name).append(">\r\n");
}

void AppendObjectElement(std::string &text, std::string_view name, const TXMLSerializable &object)
{
    text.append("<").append(name).append(">");
    object.AppendXML(text);
    text.append("</").append(name).append(">\r\n");
}

std::string PropertyToXML(const TXMLSerializable &object, const TXMLProperty &property)
{
    switch (property.kind()) {
    case TXMLProperty::Kind::Integer: {
        const int value = property.value<int>().get(object);
        return property.typeName() == XMLRGBTColor ? ColorToXML(value) : std::to_string(value);
    }
    case TXMLProperty::Kind::Boolean:
        return property.value<bool>().get(object) ? "True" : "False";
    case TXMLProperty::Kind::String:
        return StringToXML(property, property.value<std::string>().get(object));
    case TXMLProperty::Kind::Object:
        return property.objectOf(object).GetXML();
    }
    return {};
}

void PropertyFromXML(TXMLSerializable &object,
                     const TXMLProperty &property,
                     std::string_view content)
{
    if (content.empty())
        return;
    switch (property.kind()) {
    case TXMLProperty::Kind::Integer: {
        const int value = StrToInt(DecodeXMLText(content));
        property.value<int>().set(object,
                                  property.typeName() == XMLRGBTColor ? SwapRedBlue(value) : value);
        break;
    }
    case TXMLProperty::Kind::Boolean:
        property.value<bool>().set(object, StrToBool(DecodeXMLText(content)));
        break;
    case TXMLProperty::Kind::String:
        property.value<std::string>().set(object, StringFromXML(property, content));
        break;
    case TXMLProperty::Kind::Object:
        ReadObjectProperty(object, property, content);
        break;
    }
}

void ReadElements(
        std::string_view text,
        const std::function<void(std::string_view name, std::string_view content)> &readElement)
{
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t afterTag = position;
        const std::string_view name = TextBetween(text, "<", ">", afterTag);
        const std::string_view content = ElementContent(text, name, position);
        if (position == npos)
            break;
        try {
            readElement(name, content);
        } catch (const EXMLException &) {
            throw;
        } catch (const std::exception &error) {
            throw EXMLException("(" + MessageOf(error) + ")Error Processing XML - "
                                + std::string(name));
        }
    }
}

} // namespace gs
