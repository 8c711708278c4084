#include "document/boardcollectionitem.h"

#include "document/xmlproperty.h"

namespace gs {

const TXMLPropertyList &TBoardCollectionItem::properties() const
{
    using C = TBoardCollectionItem;
    using P = TXMLProperty;
    using F = TBoardField;
    static const TXMLPropertyList list = XMLPropertyList({
            P::string<C>("Letter", &C::m_field, &F::Letter),
            P::boolean<C>("BorderLeft", &C::m_field, &F::BorderLeft),
            P::boolean<C>("BorderRight", &C::m_field, &F::BorderRight),
            P::boolean<C>("BorderTop", &C::m_field, &F::BorderTop),
            P::boolean<C>("BorderBottom", &C::m_field, &F::BorderBottom),
            P::integer<C>("SolutionNumber", &C::m_field, &F::SolutionNumber),
            P::boolean<C>("Block", &C::m_field, &F::Block),
    });
    return list;
}

} // namespace gs
