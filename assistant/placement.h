#pragma once

namespace gs {

// One candidate placement of a word: the field of its first letter, its direction and how many
// of its letters coincide with letters already on the board. Column and row -1: no placement.
struct TPlacement
{
    int column = -1;
    int row = -1;
    bool horizontal = false;
    int score = 0;

    friend bool operator==(const TPlacement &, const TPlacement &) = default;
};

} // namespace gs
