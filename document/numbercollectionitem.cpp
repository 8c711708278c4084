#include "document/numbercollectionitem.h"

#include "document/xmlproperty.h"

namespace gs {

const TXMLPropertyList &TNumberCollectionItem::properties() const
{
    using C = TNumberCollectionItem;
    using P = TXMLProperty;
    using N = TClueNumber;
    static const TXMLPropertyList list = XMLPropertyList({
            P::integer<C>("Num", &C::m_number, &N::Num),
            P::integer<C>("Col", &C::m_number, &N::Col),
            P::integer<C>("Row", &C::m_number, &N::Row),
            P::string<C>("Text", &C::m_number, &N::Text),
            P::boolean<C>("Hor", &C::m_number, &N::Hor),
    });
    return list;
}

} // namespace gs
