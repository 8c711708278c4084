#pragma once

namespace gs {

// A field position: X is the column, Y the row, both counted from 1.
struct TPoint
{
    int X = 0;
    int Y = 0;

    friend bool operator==(const TPoint &, const TPoint &) = default;
};

// Position of the i-th letter (from 0; negative: before it) of a word starting at p, rightwards
// (hor) or downwards.
inline TPoint letterPosition(TPoint p, bool hor, int i)
{
    return hor ? TPoint{p.X + i, p.Y} : TPoint{p.X, p.Y + i};
}

} // namespace gs
