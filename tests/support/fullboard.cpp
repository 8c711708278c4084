#include "support/fullboard.h"

#include "core/puzzle.h"

namespace gs {

void FillFullBoard()
{
    NewPuzzle();
    for (int col = 1; col <= MaxCols; ++col)
        for (int row = 1; row <= MaxRows; ++row)
            SetLetter({col, row}, std::string(1, char('A' + (col * 7 + row) % 26)));
    for (int i = 0; i < 300; ++i) {
        const int col = 2 + i % 49;
        const int row = 2 + (i / 49) * 6 + i % 5;
        TClueNumber number = MakeClueNumber(col, row, "", i % 2 == 0);
        number.Num = i + 1;
        Puzzle.Numbers.push_back(number);
    }
}

} // namespace gs
