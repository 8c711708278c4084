#pragma once

#include "core/boardfield.h"
#include "core/cluenumber.h"
#include "core/point.h"

#include <string>
#include <vector>

namespace gs {

// Board[column][row]; index 0 of both dimensions exists but never holds a field.
using TBoard = std::vector<std::vector<TBoardField>>;

// The open document.
struct TCrossWordPuzzle
{
    int FieldSize = 30;
    int BorderWidth = 1;
    bool NumbersInside = false;
    std::vector<TClueNumber> Numbers;
    TBoard Board = TBoard(1, std::vector<TBoardField>(1));
    TPoint StartField{-1, -1};
    TPoint EndField{-1, -1};
    std::string Infos;
};

} // namespace gs
