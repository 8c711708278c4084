#pragma once

#include <QString>

#include <string>
#include <vector>

namespace gs {

// Where the first word goes on an empty board: horizontally from this field.
inline constexpr int FirstWordColumn = 10;
inline constexpr int FirstWordRow = 10;

// Fits words into the open puzzle: upper-cases them by the code page, sorts them longest first,
// lays the first word that has a letter (not only blanks and "-") and fits the editing area at
// (10, 10) when the board is empty and fits the rest. words keeps the words that were not placed,
// in their final order.
std::vector<std::string> &FitWords(std::vector<std::string> &words, bool withNumbers);

// Sorts longest first with the quicksort whose order among equal lengths the fitting keeps.
void sortByLength(std::vector<std::string> &words);

// The assistant's message line for unplaced words handed back out of lines given.
QString fittingMessage(int unplaced, int lines);

} // namespace gs
