#pragma once

#include "core/boardfield.h"
#include "core/cluenumber.h"
#include "core/crosswordpuzzle.h"
#include "core/point.h"

#include <QImage>

#include <string>

namespace gs {

class BoardView;

// Program name and version as shown in captions and written into documents.
inline constexpr char ProgramVersion[] = "2.0 (BETA 1.2)";
inline constexpr char ProgramCaption[] = "Gitterstern 2.0 (BETA 1.2)";

// Fields are created only in columns 1..MaxCols and rows 1..MaxRows.
inline constexpr int MaxCols = 50;
inline constexpr int MaxRows = 40;
// Definitions are cut to this many characters.
inline constexpr size_t MaxDefinitionLength = 255;

// The one open document, the selected field ((-1, -1) when none) and the unsaved-changes flag.
extern TCrossWordPuzzle Puzzle;
extern TPoint SelectedField;
extern bool Modified;

// The main window's controls, or nullptr (tests, headless runs).
BoardView *View();
void SetBoardView(BoardView *view);
// The editor's board image, sized and drawn by RedrawBoard.
QImage &BoardImage();

TPoint FieldPoint(int col, int row);
int BoardCols();
int BoardRows();
bool IsNoField(TPoint p);
bool IsOnBoard(TPoint p);
// Within columns 1..MaxCols and rows 1..MaxRows, where the editor creates fields.
bool IsInEditingArea(TPoint p);
TBoardField GetField(TPoint p);
TBoardField EmptyField();
std::string GetLetter(TPoint p);
void SetLetter(TPoint p, const std::string &s);
bool IsBoardEmpty();
// The letter is empty or the single blank: no field, or a provisional field.
bool IsBlankField(TPoint p);
// The letter is the single blank of a field created by selecting an empty position.
bool IsProvisionalField(TPoint p);
bool SamePoint(TPoint a, TPoint b);
TClueNumber MakeClueNumber(int col, int row, const std::string &text, bool hor);
bool SameClueNumber(const TClueNumber &a, const TClueNumber &b);
// The board field at p for changing it in place; p must lie within the array.
TBoardField &FieldAt(TPoint p);

// Whether letters and numbers-inside are in force for drawing: the view's check boxes, or
// letters on and Puzzle.NumbersInside without a view.
bool LettersShown();
bool NumbersDrawnInside();

// Empties the board: no fields, numbers, selection or solution frame; field size, output
// settings and title stay.
void ClearBoard();
void NewPuzzle();
void SelectField(TPoint p);

} // namespace gs
