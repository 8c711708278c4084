#pragma once

#include "document/boardcollection.h"
#include "document/numbercollection.h"
#include "document/xmlcollectionitem.h"

#include <memory>
#include <string>

namespace gs {

// The one puzzle of a stored document (element "CrossWord"): its settings, its clue numbers and
// its board. The nested collections exist for the item's whole life.
class TCrossWordCollectionItem : public TXMLCollectionItem
{
public:
    static constexpr std::string_view ClassName = "TCrossWordCollectionItem";

    TCrossWordCollectionItem();

    std::string_view className() const override { return ClassName; }
    const TXMLPropertyList &properties() const override;

    const std::string &ProgVersion() const { return m_progVersion; }
    void SetProgVersion(std::string value) { m_progVersion = std::move(value); }
    int FieldSize() const { return m_fieldSize; }
    void SetFieldSize(int value) { m_fieldSize = value; }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value) { m_borderWidth = value; }
    bool NumbersInside() const { return m_numbersInside; }
    void SetNumbersInside(bool value) { m_numbersInside = value; }
    TNumberCollection &Numbers() const { return *m_numbers; }
    int BoardCols() const { return m_boardCols; }
    void SetBoardCols(int value) { m_boardCols = value; }
    int BoardRows() const { return m_boardRows; }
    void SetBoardRows(int value) { m_boardRows = value; }
    TBoardCollection &Board() const { return *m_board; }
    int StartFieldCol() const { return m_startFieldCol; }
    void SetStartFieldCol(int value) { m_startFieldCol = value; }
    int StartFieldRow() const { return m_startFieldRow; }
    void SetStartFieldRow(int value) { m_startFieldRow = value; }
    int EndFieldCol() const { return m_endFieldCol; }
    void SetEndFieldCol(int value) { m_endFieldCol = value; }
    int EndFieldRow() const { return m_endFieldRow; }
    void SetEndFieldRow(int value) { m_endFieldRow = value; }
    // The output settings text, carried unchanged.
    const std::string &Infos() const { return m_infos; }
    void SetInfos(std::string value) { m_infos = std::move(value); }

private:
    std::string m_progVersion;
    int m_fieldSize = 0;
    int m_borderWidth = 0;
    bool m_numbersInside = false;
    std::unique_ptr<TNumberCollection> m_numbers;
    int m_boardCols = 0;
    int m_boardRows = 0;
    std::unique_ptr<TBoardCollection> m_board;
    int m_startFieldCol = 0;
    int m_startFieldRow = 0;
    int m_endFieldCol = 0;
    int m_endFieldRow = 0;
    std::string m_infos;
};

} // namespace gs
