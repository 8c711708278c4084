#pragma once

#include <string>

namespace gs {

// One grid element. Letter: "" no field, " " provisional field, "-" field without a letter
// (also every block), any other single Windows-1252 character the field's letter.
struct TBoardField
{
    std::string Letter;
    bool BorderLeft = false;
    bool BorderRight = false;
    bool BorderTop = false;
    bool BorderBottom = false;
    int SolutionNumber = 0;
    bool Block = false;

    friend bool operator==(const TBoardField &, const TBoardField &) = default;
};

} // namespace gs
