#pragma once

#include "core/boardfield.h"

#include <string_view>

namespace gs {

// Two of the golden document's fields: (1, 1) and the block at (3, 2).
extern const TBoardField GoldenUmlaut;
extern const TBoardField GoldenBlock;

// Puts the golden document into the puzzle: a 3 x 2 board with an umlaut, a separator, a block,
// a separator on a position without a field, and one clue number whose text needs escaping.
void BuildGoldenPuzzle();
// The golden document's text as saved, byte for byte (CR LF after every line).
inline constexpr std::string_view GoldenDocumentText
        = "<CrossWord-list><CrossWord><Board>"
          "<Board><Block>False</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>True</BorderRight>\r\n"
          "<BorderTop>False</BorderTop>\r\n"
          "<Letter>&#xC4;</Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "<Board><Block>False</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>False</BorderRight>\r\n"
          "<BorderTop>False</BorderTop>\r\n"
          "<Letter></Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "<Board><Block>False</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>False</BorderRight>\r\n"
          "<BorderTop>True</BorderTop>\r\n"
          "<Letter></Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "<Board><Block>False</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>False</BorderRight>\r\n"
          "<BorderTop>False</BorderTop>\r\n"
          "<Letter></Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "<Board><Block>False</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>False</BorderRight>\r\n"
          "<BorderTop>False</BorderTop>\r\n"
          "<Letter></Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "<Board><Block>True</Block>\r\n"
          "<BorderBottom>False</BorderBottom>\r\n"
          "<BorderLeft>False</BorderLeft>\r\n"
          "<BorderRight>False</BorderRight>\r\n"
          "<BorderTop>False</BorderTop>\r\n"
          "<Letter>-</Letter>\r\n"
          "<SolutionNumber>0</SolutionNumber>\r\n"
          "</Board>\r\n"
          "</Board>\r\n"
          "<BoardCols>3</BoardCols>\r\n"
          "<BoardRows>2</BoardRows>\r\n"
          "<BorderWidth>2</BorderWidth>\r\n"
          "<EndFieldCol>-1</EndFieldCol>\r\n"
          "<EndFieldRow>-1</EndFieldRow>\r\n"
          "<FieldSize>30</FieldSize>\r\n"
          "<Infos></Infos>\r\n"
          "<Numbers><Number><Col>1</Col>\r\n"
          "<Hor>True</Hor>\r\n"
          "<Num>1</Num>\r\n"
          "<Row>1</Row>\r\n"
          "<Text>Fluss &#x26; See</Text>\r\n"
          "</Number>\r\n"
          "</Numbers>\r\n"
          "<NumbersInside>False</NumbersInside>\r\n"
          "<ProgVersion>2.0 &#x28;BETA 1.2&#x29;</ProgVersion>\r\n"
          "<StartFieldCol>-1</StartFieldCol>\r\n"
          "<StartFieldRow>-1</StartFieldRow>\r\n"
          "</CrossWord>\r\n"
          "</CrossWord-list>\r\n";

} // namespace gs
