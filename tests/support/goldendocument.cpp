#include "support/goldendocument.h"

#include "core/puzzle.h"
#include "support/placefield.h"

namespace gs {

const TBoardField GoldenUmlaut{"\xC4", false, true}; // a bar on the right
const TBoardField GoldenBlock{"-", false, false, false, false, 0, true};

void BuildGoldenPuzzle()
{
    NewPuzzle();
    Puzzle.BorderWidth = 2;
    PlaceField({1, 1}, GoldenUmlaut);
    PlaceField({3, 2}, GoldenBlock);
    FieldAt({2, 1}).BorderTop = true; // kept on a position without a field
    Puzzle.Numbers = {{1, 1, 1, "Fluss & See", true}};
    Puzzle.Infos = "";
}

} // namespace gs
