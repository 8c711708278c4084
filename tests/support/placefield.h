#pragma once

#include "core/puzzle.h"

namespace gs {

// Puts a whole field at p, growing the board as typing its letter would.
inline void PlaceField(TPoint p, const TBoardField &field)
{
    SetLetter(p, field.Letter);
    FieldAt(p) = field;
}

} // namespace gs
