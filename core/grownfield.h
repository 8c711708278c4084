#pragma once

#include "core/crosswordpuzzle.h"

namespace gs {

// The field of board at p (column and row from 0, as indices); a board too small for p first
// grows by empty columns and rows.
inline TBoardField &GrownField(TBoard &board, TPoint p)
{
    if (board.size() <= size_t(p.X)) {
        board.resize(size_t(p.X) + 1,
                     std::vector<TBoardField>(board.empty() ? 0 : board.front().size()));
    }
    if (board.front().size() <= size_t(p.Y)) {
        for (std::vector<TBoardField> &column : board)
            column.resize(size_t(p.Y) + 1);
    }
    return board[size_t(p.X)][size_t(p.Y)];
}

} // namespace gs
