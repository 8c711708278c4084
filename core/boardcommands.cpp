#include "core/boardcommands.h"

#include "core/boardediting.h"
#include "core/numbering.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"

#include <string>
#include <vector>

namespace gs {

namespace {

const QString noWordHere = QStringLiteral("An dieser Stelle kann kein Wort eingefügt werden!");

bool exists(int col, int row)
{
    return !GetLetter({col, row}).empty();
}

// Every word start in numbering order, as (position, horizontal) pairs to handle. Column 1
// and row 1 take part only while numbers are drawn inside their fields.
template<typename Handle>
void forEachWordStart(Handle handle)
{
    const int first = NumbersDrawnInside() ? 1 : 2;
    for (int col = first; col <= BoardCols(); ++col) {
        for (int row = first; row <= BoardRows(); ++row) {
            for (const bool hor : {true, false}) {
                if (IsWordStart({col, row}, hor))
                    handle(TPoint{col, row}, hor);
            }
        }
    }
}

template<typename Change>
void changeFieldsWithoutLetter(Change change)
{
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (GetLetter({col, row}) == "-")
                change(FieldAt({col, row}));
        }
    }
}

// The first letter of a word laid from start would replace a different letter.
bool firstLetterClashes(TPoint start, const std::string &word)
{
    return !IsBlankField(start) && GetLetter(start)[0] != word[0];
}

// The word laid from start clashes with the board, its first letter included: a fitted word
// may begin on any field, not only on the one it goes through.
bool fitCollides(TPoint start, bool hor, const std::string &word)
{
    return firstLetterClashes(start, word) || WordCollides(start, hor, word);
}

} // namespace

bool IsWordStart(TPoint p, bool hor)
{
    const int c = p.X;
    const int r = p.Y;
    if (hor) {
        return exists(c, r) && exists(c + 1, r) && !exists(c - 1, r)
               && !(exists(c, r - 1) && exists(c + 1, r - 1))
               && !(exists(c, r + 1) && exists(c + 1, r + 1));
    }
    return exists(c, r) && exists(c, r + 1) && !exists(c, r - 1)
           && !(exists(c - 1, r) && exists(c - 1, r + 1))
           && !(exists(c + 1, r) && exists(c + 1, r + 1));
}

void AutoNumber()
{
    forEachWordStart([](TPoint p, bool hor) {
        const TClueNumber existing = hor ? FindHorNumber(p) : FindVerNumber(p);
        if (existing.Col == -1)
            AddNumber(p, hor);
    });
}

void RenumberKeepingDefinitions()
{
    const std::vector<TClueNumber> old = std::move(Puzzle.Numbers);
    Puzzle.Numbers.clear();
    forEachWordStart([&old](TPoint p, bool hor) {
        TClueNumber number = MakeClueNumber(p.X, p.Y, std::string(), hor);
        for (const TClueNumber &kept : old) {
            if (SameClueNumber(kept, number))
                number.Text = kept.Text;
        }
        number.Num = int(Puzzle.Numbers.size()) + 1;
        Puzzle.Numbers.push_back(number);
    });
    // Dropped numbers take their definitions with them: that is a change as well.
    if (Puzzle.Numbers != old)
        Modified = true;
    RedrawBoard();
}

void DeleteAllNumbers()
{
    Puzzle.Numbers.clear();
    Modified = true;
    RedrawBoard();
}

void EmptyFieldsToBlocks()
{
    changeFieldsWithoutLetter([](TBoardField &field) { field.Block = true; });
    RedrawBoard();
    Modified = true;
}

bool DeleteEmptyFields()
{
    bool numbered = false;
    for (const TClueNumber &number : Puzzle.Numbers)
        numbered = numbered || GetLetter({number.Col, number.Row}) == "-";
    if (numbered) {
        ActivePrompt().message(QStringLiteral("Hinweis"),
                               QStringLiteral("Die leeren Felder können nicht gelöscht werden, da "
                                              "Leerfeldern noch Nummern zugewiesen sind!"),
                               Prompt::Icon::Warning);
        return false;
    }
    changeFieldsWithoutLetter([](TBoardField &field) { field = EmptyField(); });
    RedrawBoard();
    Modified = true;
    return true;
}

void FitWord()
{
    if (!RequireSelectedField())
        return;
    const TPoint s = SelectedField;
    const bool vertical = IsBlankField({s.X, s.Y - 1}) && IsBlankField({s.X, s.Y + 1});
    const bool hor = !vertical && IsBlankField({s.X - 1, s.Y}) && IsBlankField({s.X + 1, s.Y});
    if (IsBlankField(s) || (!vertical && !hor)) {
        ActivePrompt().error(noWordHere);
        return;
    }
    const std::string letter = GetLetter(s) == "-" ? std::string() : GetLetter(s);
    std::string word;
    AskWord(QStringLiteral("Wort ")
                    + (hor ? QStringLiteral("horizontal") : QStringLiteral("vertikal"))
                    + QStringLiteral(" einfügen"),
            letter,
            word);
    if (word.empty())
        return;
    const size_t first = letter.empty() ? std::string::npos : word.find(letter[0]);
    if (first == std::string::npos) {
        ActivePrompt().error(QStringLiteral(
                "Das eingegebene Wort beinhaltet den Buchstaben im markierten Feld nicht!"));
        return;
    }
    // Through the first occurrence of the letter that fits without a clash, else the first.
    TPoint start = letterPosition(s, hor, -int(first));
    for (size_t j = first; j != std::string::npos; j = word.find(letter[0], j + 1)) {
        if (!fitCollides(letterPosition(s, hor, -int(j)), hor, word)) {
            start = letterPosition(s, hor, -int(j));
            break;
        }
    }
    if (!IsOnBoard(start)) {
        ActivePrompt().error(QStringLiteral(
                "Das Wort überschreitet den Rätselrand. Verschieben Sie das Felderquiz!"));
        return;
    }
    // InsertWord asks about clashes behind the first letter only.
    if (firstLetterClashes(start, word) && !WordCollides(start, hor, word) && !AskOverwrite())
        return;
    InsertWord(start, hor, word);
}

bool InsertGrid(TPoint topLeft, int rows, int cols, bool blocks)
{
    const long long lastCol = 0LL + topLeft.X + cols - 1;
    const long long lastRow = 0LL + topLeft.Y + rows - 1;
    if (IsNoField(topLeft) || lastCol > MaxCols || lastRow > MaxRows) {
        ActivePrompt().error(QStringLiteral("Das Gitter kann nicht eingefügt werden, da es über "
                                            "die Feldbegrenzung hinaus geht!"));
        return false;
    }
    TBoardField field;
    field.Letter = "-";
    field.Block = blocks;
    for (int col = topLeft.X; col <= lastCol; ++col) {
        for (int row = topLeft.Y; row <= lastRow; ++row) {
            SetLetter({col, row}, field.Letter);
            FieldAt({col, row}) = field;
        }
    }
    Modified = true;
    RedrawBoard();
    return true;
}

} // namespace gs
