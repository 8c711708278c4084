#pragma once

#include "core/cluenumber.h"
#include "core/point.h"

namespace gs {

// The none value of a number lookup: Num 0, Col -1, Row -1, no text, not horizontal.
TClueNumber NoClueNumber();

TClueNumber FindHorNumber(TPoint p);
TClueNumber FindVerNumber(TPoint p);
bool NoNumberAt(TPoint p);
bool NumbersFitOutside();
bool AddNumber(TPoint p, bool hor);
void DeleteNumber(const TClueNumber &number);
int NumberDirection();
void CheckNumberOverlap(TPoint p);
void UpdateSolutionWord();
void CheckSolutionFrame();

} // namespace gs
