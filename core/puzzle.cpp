#include "core/puzzle.h"

#include "core/boardview.h"
#include "core/grownfield.h"
#include "core/render.h"

#include <algorithm>

namespace gs {

TCrossWordPuzzle Puzzle;
TPoint SelectedField{-1, -1};
bool Modified = false;

namespace {
BoardView *installedView = nullptr;

bool isBlankOrEmpty(const std::string &letter)
{
    return std::all_of(letter.begin(), letter.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ';
    });
}
} // namespace

BoardView *View()
{
    return installedView;
}

void SetBoardView(BoardView *view)
{
    installedView = view;
}

QImage &BoardImage()
{
    static QImage image;
    return image;
}

TPoint FieldPoint(int col, int row)
{
    return TPoint{col, row};
}

int BoardCols()
{
    return int(Puzzle.Board.size()) - 1;
}

int BoardRows()
{
    return Puzzle.Board.empty() ? -1 : int(Puzzle.Board.front().size()) - 1;
}

bool IsNoField(TPoint p)
{
    return p.X < 1 || p.Y < 1;
}

bool IsOnBoard(TPoint p)
{
    return p.X >= 1 && p.X <= BoardCols() && p.Y >= 1 && p.Y <= BoardRows();
}

bool IsInEditingArea(TPoint p)
{
    return p.X >= 1 && p.X <= MaxCols && p.Y >= 1 && p.Y <= MaxRows;
}

TBoardField EmptyField()
{
    return TBoardField{};
}

TBoardField GetField(TPoint p)
{
    if (p.X < 0 || p.Y < 0 || p.X > BoardCols() || p.Y > BoardRows())
        return EmptyField();
    return Puzzle.Board[size_t(p.X)][size_t(p.Y)];
}

TBoardField &FieldAt(TPoint p)
{
    return Puzzle.Board[size_t(p.X)][size_t(p.Y)];
}

std::string GetLetter(TPoint p)
{
    if (IsNoField(p))
        return {};
    return GetField(p).Letter;
}

void SetLetter(TPoint p, const std::string &s)
{
    if (IsNoField(p))
        return;
    GrownField(Puzzle.Board, p).Letter = s.substr(0, 1);
}

bool IsBoardEmpty()
{
    for (const auto &column : Puzzle.Board) {
        for (const auto &field : column) {
            if (!isBlankOrEmpty(field.Letter))
                return false;
        }
    }
    return true;
}

bool IsBlankField(TPoint p)
{
    const std::string letter = GetLetter(p);
    return letter.empty() || letter == " ";
}

bool IsProvisionalField(TPoint p)
{
    return GetLetter(p) == " ";
}

bool SamePoint(TPoint a, TPoint b)
{
    return a == b;
}

TClueNumber MakeClueNumber(int col, int row, const std::string &text, bool hor)
{
    TClueNumber number;
    number.Col = col;
    number.Row = row;
    number.Text = text.substr(0, MaxDefinitionLength);
    number.Hor = hor;
    return number;
}

bool SameClueNumber(const TClueNumber &a, const TClueNumber &b)
{
    return a.Col == b.Col && a.Row == b.Row && a.Hor == b.Hor;
}

bool LettersShown()
{
    return installedView ? installedView->lettersShown() : true;
}

bool NumbersDrawnInside()
{
    return installedView ? installedView->numbersInsideChecked() : Puzzle.NumbersInside;
}

void ClearBoard()
{
    Puzzle.Board = TBoard(1, std::vector<TBoardField>(1));
    Puzzle.Numbers.clear();
    Puzzle.StartField = TPoint{-1, -1};
    Puzzle.EndField = TPoint{-1, -1};
    SelectedField = TPoint{-1, -1};
}

void NewPuzzle()
{
    ClearBoard();
    Puzzle.FieldSize = 30;
    Puzzle.BorderWidth = 1;
    Puzzle.NumbersInside = false;
    Puzzle.Infos = " - Felderquiz";
    if (installedView) {
        installedView->scrollToOrigin();
        installedView->setFieldSizeSpin(30);
        installedView->setBorderWidthSpin(1);
        installedView->setNumbersInsideChecked(false);
        installedView->resetSolutionMode();
        installedView->setStartFieldText(QString());
        installedView->setEndFieldText(QString());
        installedView->resetOutputSettings();
    }
}

void SelectField(TPoint p)
{
    // A position off the board (pixel row or column 0) only clears the selection.
    if (!IsNoField(p) && GetLetter(p).empty()) {
        SetLetter(p, " ");
        Modified = true;
    }
    if (IsProvisionalField(SelectedField) && !SamePoint(SelectedField, p))
        SetLetter(SelectedField, "");
    SelectedField = p;
    RedrawBoard();
}

} // namespace gs
