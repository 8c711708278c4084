#pragma once

namespace gs {

// A new puzzle with the largest board the editor makes: 50 x 40 fields, every one a letter,
// and 300 clue numbers.
void FillFullBoard();

} // namespace gs
