#pragma once

#include "document/xmlserializable.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace gs {

// Declared type names that change how a property is written and read.
inline constexpr std::string_view XMLRGBTColor = "XMLRGBTColor";   // integer colour as "$RRGGBB"
inline constexpr std::string_view XMLString = "XMLString";         // string holding raw XML
inline constexpr std::string_view XMLMIMEString = "XMLMIMEString"; // string stored as Base64

// Typed reading and writing of one property value of a serialisable object.
template<class T>
struct TXMLAccess
{
    std::function<T(const TXMLSerializable &)> get;
    std::function<void(TXMLSerializable &, T)> set;
};

// The object held by an object-valued property; it is filled in place, never replaced.
using TXMLObjectAccess = std::function<TXMLSerializable &(const TXMLSerializable &)>;

// One published property: name, kind, declared type name and accessors. Tables are built by each
// serialisable class C from paths of member pointers, e.g.
// TXMLProperty::integer<C>("SolutionNumber", &C::m_field, &TBoardField::SolutionNumber).
class TXMLProperty
{
public:
    enum class Kind { Integer, Boolean, String, Object };

    template<class C, class... Path>
    static TXMLProperty integer(std::string_view name, Path... path)
    {
        return {name, "Integer", access<C, int>(path...)};
    }
    template<class C, class... Path>
    static TXMLProperty color(std::string_view name, Path... path)
    {
        return {name, XMLRGBTColor, access<C, int>(path...)};
    }
    template<class C, class... Path>
    static TXMLProperty boolean(std::string_view name, Path... path)
    {
        return {name, "Boolean", access<C, bool>(path...)};
    }
    template<class C, class... Path>
    static TXMLProperty string(std::string_view name, Path... path)
    {
        return {name, "string", access<C, std::string>(path...)};
    }
    template<class C, class... Path>
    static TXMLProperty xmlString(std::string_view name, Path... path)
    {
        return {name, XMLString, access<C, std::string>(path...)};
    }
    template<class C, class... Path>
    static TXMLProperty mimeString(std::string_view name, Path... path)
    {
        return {name, XMLMIMEString, access<C, std::string>(path...)};
    }
    // The path ends at a std::unique_ptr to a serialisable object that always exists.
    template<class C, class... Path>
    static TXMLProperty object(std::string_view name, Path... path)
    {
        using Held = typename std::remove_cvref_t<Member<C, Path...>>::element_type;
        return {name,
                Held::ClassName,
                TXMLObjectAccess([=](const TXMLSerializable &owner) -> TXMLSerializable & {
                    return *(static_cast<const C &>(owner).*....*path);
                })};
    }

    std::string_view name() const { return m_name; }
    std::string_view typeName() const { return m_typeName; }
    Kind kind() const { return static_cast<Kind>(m_access.index()); }

    // The accessors of the property's kind (int for Integer, bool, std::string).
    template<class T>
    const TXMLAccess<T> &value() const
    {
        return std::get<TXMLAccess<T>>(m_access);
    }
    TXMLSerializable &objectOf(const TXMLSerializable &owner) const
    {
        return std::get<TXMLObjectAccess>(m_access)(owner);
    }

private:
    // Alternatives in the order of Kind.
    using Access = std::
            variant<TXMLAccess<int>, TXMLAccess<bool>, TXMLAccess<std::string>, TXMLObjectAccess>;

    // The member reached from a C by following the member pointers of the path in turn; the fold
    // (object .* ... .* path) does the same on a value.
    template<class C, class... Path>
    using Member = decltype((std::declval<C &>().*....*std::declval<Path>()));

    TXMLProperty(std::string_view name, std::string_view typeName, Access access)
        : m_name(name)
        , m_typeName(typeName)
        , m_access(std::move(access))
    {
    }

    template<class C, class T, class... Path>
    static TXMLAccess<T> access(Path... path)
    {
        static_assert(std::is_same_v<std::remove_cvref_t<Member<C, Path...>>, T>,
                      "the member's type does not match the property's kind");
        return TXMLAccess<T>{[=](const TXMLSerializable &owner) -> T {
                                 return (static_cast<const C &>(owner).*....*path);
                             },
                             [=](TXMLSerializable &owner, T value) {
                                 (static_cast<C &>(owner).*....*path) = std::move(value);
                             }};
    }

    std::string m_name;
    std::string m_typeName;
    Access m_access;
};

// The published properties of a class in writing order: by name, comparing character codes with
// bit 5 cleared (letters without regard to case), a name before any longer name it begins.
TXMLPropertyList XMLPropertyList(TXMLPropertyList published);

// The property called name, letters compared without regard to case; nullptr when there is none.
const TXMLProperty *FindProperty(const TXMLPropertyList &properties, std::string_view name);

} // namespace gs
