#pragma once

#include "core/cluenumber.h"
#include "core/point.h"

#include <QString>

#include <string>

namespace gs {

// Shift directions of the group "Felderquiz verschieben".
enum ShiftDirection { ShiftLeft = 1, ShiftRight = 2, ShiftUp = 3, ShiftDown = 4 };

std::string ReadWord(const TClueNumber &number);
bool WordCollides(TPoint p, bool hor, const std::string &word);
void InsertWord(TPoint p, bool hor, const std::string &word);
// Sets word only when a valid word was entered.
void AskWord(const QString &caption, const std::string &defaultWord, std::string &word);
void InsertWordCommand(bool hor);
bool CanShift(int dir);
void ShiftPuzzle(int dir);

} // namespace gs
