#include "document/crosswordcollectionitem.h"

#include "document/xmlproperty.h"

namespace gs {

TCrossWordCollectionItem::TCrossWordCollectionItem()
    : m_numbers(std::make_unique<TNumberCollection>())
    , m_board(std::make_unique<TBoardCollection>())
{
}

const TXMLPropertyList &TCrossWordCollectionItem::properties() const
{
    using C = TCrossWordCollectionItem;
    using P = TXMLProperty;
    static const TXMLPropertyList list = XMLPropertyList({
            P::string<C>("ProgVersion", &C::m_progVersion),
            P::integer<C>("FieldSize", &C::m_fieldSize),
            P::integer<C>("BorderWidth", &C::m_borderWidth),
            P::boolean<C>("NumbersInside", &C::m_numbersInside),
            P::object<C>("Numbers", &C::m_numbers),
            P::integer<C>("BoardCols", &C::m_boardCols),
            P::integer<C>("BoardRows", &C::m_boardRows),
            P::object<C>("Board", &C::m_board),
            P::integer<C>("StartFieldCol", &C::m_startFieldCol),
            P::integer<C>("StartFieldRow", &C::m_startFieldRow),
            P::integer<C>("EndFieldCol", &C::m_endFieldCol),
            P::integer<C>("EndFieldRow", &C::m_endFieldRow),
            P::string<C>("Infos", &C::m_infos),
    });
    return list;
}

} // namespace gs
