#pragma once

#include <string>

namespace gs {

// One clue number with its definition (Windows-1252, at most 255 characters).
struct TClueNumber
{
    int Num = 0;
    int Col = -1;
    int Row = -1;
    std::string Text;
    bool Hor = false;

    friend bool operator==(const TClueNumber &, const TClueNumber &) = default;
};

} // namespace gs
