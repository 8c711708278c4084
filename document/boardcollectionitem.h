#pragma once

#include "core/boardfield.h"
#include "document/xmlcollectionitem.h"

namespace gs {

// One board position of a stored document (element "Board"); its properties are those of the
// field: Letter, BorderLeft, BorderRight, BorderTop, BorderBottom, SolutionNumber, Block.
class TBoardCollectionItem : public TXMLCollectionItem
{
public:
    static constexpr std::string_view ClassName = "TBoardCollectionItem";
    std::string_view className() const override { return ClassName; }
    const TXMLPropertyList &properties() const override;

    const TBoardField &Field() const { return m_field; }
    void SetField(const TBoardField &field) { m_field = field; }

private:
    TBoardField m_field;
};

} // namespace gs
