#pragma once

#include "core/cluenumber.h"
#include "document/xmlcollectionitem.h"

namespace gs {

// One clue number of a stored document (element "Number"): Num, Col, Row, Text, Hor.
class TNumberCollectionItem : public TXMLCollectionItem
{
public:
    static constexpr std::string_view ClassName = "TNumberCollectionItem";
    std::string_view className() const override { return ClassName; }
    const TXMLPropertyList &properties() const override;

    const TClueNumber &Number() const { return m_number; }
    void SetNumber(const TClueNumber &number) { m_number = number; }

private:
    // A stored number starts at zero in every property, also in those its element lacks.
    TClueNumber m_number{0, 0, 0, {}, false};
};

} // namespace gs
