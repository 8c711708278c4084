#pragma once

namespace gs {

// A field position: X is the column, Y the row, both counted from 1.
struct TPoint
{
    int X = 0;
    int Y = 0;

    friend bool operator==(const TPoint &, const TPoint &) = default;
};

} // namespace gs
