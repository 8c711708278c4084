#pragma once

#include "core/puzzle.h"

namespace gs {

// Puts a whole field at p, growing the board as typing its letter would.
inline void PlaceField(TPoint p, const TBoardField &field)
{
    SetLetter(p, field.Letter);
    FieldAt(p) = field;
}

// Types letters from p on, one field each, rightwards or downwards.
inline void PlaceWord(TPoint p, bool hor, const std::string &letters)
{
    for (int i = 0; i < int(letters.size()); ++i)
        SetLetter(hor ? TPoint{p.X + i, p.Y} : TPoint{p.X, p.Y + i}, letters.substr(size_t(i), 1));
}

// The letters from `from` to `to` (default: the board's end), rows joined by '/', '.' where no
// field is.
inline std::string BoardPicture(TPoint from, TPoint to = {-1, -1})
{
    if (IsNoField(to))
        to = {BoardCols(), BoardRows()};
    std::string text;
    for (int row = from.Y; row <= to.Y; ++row) {
        for (int col = from.X; col <= to.X; ++col)
            text += GetLetter({col, row}).empty() ? "." : GetLetter({col, row});
        text += row < to.Y ? "/" : "";
    }
    return text;
}

} // namespace gs
