#include "core/boardediting.h"

#include "core/boardview.h"
#include "core/cp1252.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"

#include <algorithm>
#include <optional>

namespace gs {

namespace {

bool endsWord(const std::string &letter)
{
    return letter.empty() || letter == " " || letter == "-";
}

// A word starting at p stays within columns 1..MaxCols and rows 1..MaxRows.
bool wordFits(TPoint p, bool hor, const std::string &word)
{
    if (!word.empty() && IsNoField(p))
        return false;
    const long long start = hor ? p.X : p.Y;
    const long long limit = hor ? MaxCols : MaxRows;
    return static_cast<long long>(word.size()) + start <= limit + 1;
}

// A character that a board letter can hold: one Windows-1252 byte that is not a control.
std::optional<char> wordCharacter(char32_t code)
{
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
        return std::nullopt;
    return charFromUnicode(code);
}

bool columnHoldsLetter(int col)
{
    for (int row = 1; row <= BoardRows(); ++row) {
        if (!GetLetter({col, row}).empty())
            return true;
    }
    return false;
}

bool rowHoldsLetter(int row)
{
    for (int col = 1; col <= BoardCols(); ++col) {
        if (!GetLetter({col, row}).empty())
            return true;
    }
    return false;
}

// An outside number in column 2 (horizontal) or row 2 (vertical) is drawn in column or row 1
// and would leave the board when the puzzle moves towards it.
bool outsideNumberBlocks(int dir)
{
    if (NumbersDrawnInside())
        return false;
    return std::any_of(Puzzle.Numbers.begin(), Puzzle.Numbers.end(), [dir](const TClueNumber &n) {
        return (dir == ShiftLeft && n.Hor && n.Col == 2)
               || (dir == ShiftUp && !n.Hor && n.Row == 2);
    });
}

TPoint shiftOffset(int dir)
{
    switch (dir) {
    case ShiftLeft:
        return {-1, 0};
    case ShiftRight:
        return {1, 0};
    case ShiftUp:
        return {0, -1};
    case ShiftDown:
        return {0, 1};
    default:
        return {0, 0};
    }
}

void movePoint(TPoint &p, TPoint offset)
{
    if (!IsNoField(p)) {
        p.X += offset.X;
        p.Y += offset.Y;
    }
}

} // namespace

std::string ReadWord(const TClueNumber &number)
{
    std::string word;
    TPoint p{number.Col, number.Row};
    if (IsNoField(p))
        return word;
    for (;;) {
        const std::string letter = GetLetter(p);
        if (endsWord(letter))
            return word;
        word += letter;
        p = letterPosition(p, number.Hor, 1);
    }
}

bool WordCollides(TPoint p, bool hor, const std::string &word)
{
    // The first letter is never compared: it is the field the word is placed through.
    for (int i = 1; i < int(word.size()); ++i) {
        const std::string letter = GetLetter(letterPosition(p, hor, i));
        if (!letter.empty() && letter != " " && letter[0] != word[size_t(i)])
            return true;
    }
    return false;
}

bool AskOverwrite()
{
    return ActivePrompt().confirm(
            QStringLiteral("Felder überschreiben"),
            QStringLiteral("Das einzufügende Wort überschneidet sich mit anderen Feldern. "
                           "Sollen diese Felder überschrieben werden?"));
}

void InsertWord(TPoint p, bool hor, const std::string &word)
{
    if (!wordFits(p, hor, word)) {
        ActivePrompt().error(QStringLiteral("Das Wort kann nicht eingefügt werden, da es über die "
                                            "Feldbegrenzung hinaus geht!"));
        return;
    }
    if (WordCollides(p, hor, word) && !AskOverwrite())
        return;
    for (int i = 0; i < int(word.size()); ++i)
        SetLetter(letterPosition(p, hor, i), word.substr(size_t(i), 1));
    RedrawBoard();
    Modified = true;
    if (View())
        View()->checkScrolling();
}

void AskWord(const QString &caption, const std::string &defaultWord, std::string &word)
{
    const auto entered = ActivePrompt().input(
            caption, QStringLiteral("Geben Sie das Wort ein:"), toQString(defaultWord));
    if (!entered)
        return;
    const auto characters = entered->toUcs4();
    if (characters.size() > MaxWordLength) {
        ActivePrompt().error(QStringLiteral("Wort darf nur maximal 20 Zeichen enthalten!"));
        return;
    }
    std::string text;
    for (const auto code : characters) {
        const auto c = wordCharacter(char32_t(code));
        if (!c) {
            ActivePrompt().error(
                    QStringLiteral("Das Wort enthält Zeichen, die nicht verwendet werden können!"));
            return;
        }
        text.push_back(*c);
    }
    text = upperCase(text);
    if (text.find(' ') != std::string::npos) {
        ActivePrompt().error(QStringLiteral("Leerzeichen in Wort nicht erlaubt!"));
        return;
    }
    word = text;
}

bool RequireSelectedField()
{
    if (!IsNoField(SelectedField))
        return true;
    ActivePrompt().error(QStringLiteral("Es ist kein Feld markiert!"));
    return false;
}

void InsertWordCommand(bool hor)
{
    if (!RequireSelectedField())
        return;
    const QString direction = hor ? QStringLiteral("horizontal") : QStringLiteral("vertikal");
    const std::string current
            = ReadWord(MakeClueNumber(SelectedField.X, SelectedField.Y, std::string(), hor));
    std::string word;
    AskWord(QStringLiteral("Wort ") + direction + QStringLiteral(" einfügen"), current, word);
    InsertWord(SelectedField, hor, word);
}

bool CanShift(int dir)
{
    if (IsBoardEmpty() || outsideNumberBlocks(dir))
        return false;
    switch (dir) {
    case ShiftLeft:
        return !columnHoldsLetter(1);
    case ShiftRight:
        return !columnHoldsLetter(MaxCols);
    case ShiftUp:
        return !rowHoldsLetter(1);
    case ShiftDown:
        return !rowHoldsLetter(MaxRows);
    default:
        return true;
    }
}

bool ShiftPuzzle(int dir)
{
    if (!CanShift(dir))
        return false;
    const TPoint offset = shiftOffset(dir);
    const int oldCols = BoardCols();
    const int oldRows = BoardRows();
    const int newCols = std::max(0, oldCols + offset.X);
    const int newRows = std::max(0, oldRows + offset.Y);

    // Every field moves as a whole; the column or row that becomes free is empty, and what
    // is pushed over the edge at index 0 held no letter (CanShift made sure).
    TBoard board(size_t(newCols) + 1, std::vector<TBoardField>(size_t(newRows) + 1, EmptyField()));
    for (int col = 1; col <= oldCols; ++col) {
        for (int row = 1; row <= oldRows; ++row) {
            const int c = col + offset.X;
            const int r = row + offset.Y;
            if (c >= 1 && c <= newCols && r >= 1 && r <= newRows)
                board[size_t(c)][size_t(r)] = Puzzle.Board[size_t(col)][size_t(row)];
        }
    }
    Puzzle.Board = std::move(board);

    for (TClueNumber &number : Puzzle.Numbers) {
        number.Col += offset.X;
        number.Row += offset.Y;
    }
    movePoint(Puzzle.StartField, offset);
    movePoint(Puzzle.EndField, offset);
    movePoint(SelectedField, offset);

    RedrawBoard();
    if (View())
        View()->checkScrolling();
    Modified = true;
    return true;
}

} // namespace gs
