#pragma once

#include "core/cluenumber.h"
#include "core/point.h"

#include <QString>

#include <string>

namespace gs {

// Shift directions of the group "Felderquiz verschieben".
enum ShiftDirection { ShiftLeft = 1, ShiftRight = 2, ShiftUp = 3, ShiftDown = 4 };

// Longest word the input box accepts, in characters.
inline constexpr int MaxWordLength = 20;

// The letters from the number's field to the right (Hor) or downwards, up to the first
// position without a letter, blank field or hyphen. Only Col, Row and Hor are used.
std::string ReadWord(const TClueNumber &number);
// True when a letter of word other than the first would land on a different non-blank letter.
bool WordCollides(TPoint p, bool hor, const std::string &word);
// The question before a word replaces other letters; true when the user allows it.
bool AskOverwrite();
// Writes word from p after the bound check and, on a clash, the overwrite question.
void InsertWord(TPoint p, bool hor, const std::string &word);
// The input box for a word; sets word only when a valid word was entered.
void AskWord(const QString &caption, const std::string &defaultWord, std::string &word);
// Refuses a command that needs a selected field when none is selected; true when one is.
bool RequireSelectedField();
// "Horizontal einfügen" (hor) and "Vertikal einfügen" at the selected field.
void InsertWordCommand(bool hor);
bool CanShift(int dir);
// Moves fields, numbers, solution frame and selection one field in dir; false, with nothing
// changed, when CanShift refuses.
bool ShiftPuzzle(int dir);

} // namespace gs
