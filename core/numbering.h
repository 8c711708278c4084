#pragma once

#include "core/cluenumber.h"
#include "core/point.h"

#include <vector>

namespace gs {

// Solution-letter numbers above this (the fields of a full 50 x 40 board) take no part in the
// distributed solution word; a damaged file cannot make the word absurdly long.
inline constexpr int MaxSolutionNumber = 2000;

// The none value of a number lookup: Num 0, Col -1, Row -1, no text, not horizontal.
TClueNumber NoClueNumber();

// Orders numbers by Num; entries with the same Num keep their order.
void SortByNumber(std::vector<TClueNumber> &numbers);
// Copies of the first horizontal / vertical number at p, or NoClueNumber().
TClueNumber FindHorNumber(TPoint p);
TClueNumber FindVerNumber(TPoint p);
bool NoNumberAt(TPoint p);
// Every number has a column and a row left of and above it, so it can be drawn outside.
bool NumbersFitOutside();
// Appends a number with an empty definition; false (after a message) when p already has one
// of that orientation.
bool AddNumber(TPoint p, bool hor);
// Removes the entry with number.Num and renumbers the entries behind it.
void DeleteNumber(const TClueNumber &number);
// Orientation for a new number at the selected field: 0 horizontal, 1 vertical, -1 none.
int NumberDirection();
// Warning line when two numbers drawn inside the field at p lie on top of each other.
void CheckNumberOverlap(TPoint p);
// The distributed solution word into "Lösungswort", or a warning about a duplicate number.
void UpdateSolutionWord();
// Keeps the solution frame straight: clears one end when the ends share neither row nor column.
void CheckSolutionFrame();

} // namespace gs
