#include "core/numbering.h"

#include "core/boardediting.h"
#include "core/boardview.h"
#include "core/cp1252.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"

#include <algorithm>
#include <vector>

namespace gs {

namespace {

const TClueNumber *findNumber(TPoint p, bool hor)
{
    const auto it = std::find_if(
            Puzzle.Numbers.begin(), Puzzle.Numbers.end(), [p, hor](const TClueNumber &n) {
                return n.Hor == hor && n.Col == p.X && n.Row == p.Y;
            });
    return it == Puzzle.Numbers.end() ? nullptr : &*it;
}

TClueNumber copyOrNone(const TClueNumber *number)
{
    return number ? *number : NoClueNumber();
}

// Index of the entry numbered num: normally at num - 1; lists loaded from a file may hold
// other numbers, so otherwise the first entry with that number, or -1.
int indexOfNumber(int num)
{
    const auto &numbers = Puzzle.Numbers;
    if (num >= 1 && num <= int(numbers.size()) && numbers[size_t(num - 1)].Num == num)
        return num - 1;
    const auto it = std::find_if(
            numbers.begin(), numbers.end(), [num](const TClueNumber &n) { return n.Num == num; });
    return it == numbers.end() ? -1 : int(it - numbers.begin());
}

void warn(const QString &text)
{
    if (View())
        View()->displayWarning(text);
}

void clearFrameEnd(TPoint &end, void (BoardView::*setText)(const QString &))
{
    end = TPoint{0, 0};
    if (View())
        (View()->*setText)(QString());
}

} // namespace

void SortByNumber(std::vector<TClueNumber> &numbers)
{
    std::stable_sort(numbers.begin(), numbers.end(), [](const auto &a, const auto &b) {
        return a.Num < b.Num;
    });
}

TClueNumber NoClueNumber()
{
    return TClueNumber{0, -1, -1, std::string(), false};
}

TClueNumber FindHorNumber(TPoint p)
{
    return copyOrNone(findNumber(p, true));
}

TClueNumber FindVerNumber(TPoint p)
{
    return copyOrNone(findNumber(p, false));
}

bool NoNumberAt(TPoint p)
{
    return !findNumber(p, true) && !findNumber(p, false);
}

bool NumbersFitOutside()
{
    return std::all_of(Puzzle.Numbers.begin(), Puzzle.Numbers.end(), [](const TClueNumber &n) {
        return n.Col >= 2 && n.Row >= 2;
    });
}

bool AddNumber(TPoint p, bool hor)
{
    if (findNumber(p, hor)) {
        ActivePrompt().error(QStringLiteral("An dieser Stelle ist bereits eine Nummer vorhanden!"));
        return false;
    }
    TClueNumber number = MakeClueNumber(p.X, p.Y, std::string(), hor);
    number.Num = int(Puzzle.Numbers.size()) + 1;
    Puzzle.Numbers.push_back(number);
    DrawNumberOnBoard(number);
    Modified = true;
    return true;
}

void DeleteNumber(const TClueNumber &number)
{
    const int index = indexOfNumber(number.Num);
    if (index < 0)
        return;
    auto &numbers = Puzzle.Numbers;
    numbers.erase(numbers.begin() + index);
    for (int i = index; i < int(numbers.size()); ++i)
        numbers[size_t(i)].Num = i + 1;
    RedrawBoard();
    Modified = true;
}

int NumberDirection()
{
    const TPoint s = SelectedField;
    if (IsNoField(s))
        return -1;
    const std::string h = ReadWord(MakeClueNumber(s.X, s.Y, std::string(), true));
    const std::string v = ReadWord(MakeClueNumber(s.X, s.Y, std::string(), false));
    const bool leftFree = s.X - 1 >= 1 && GetLetter({s.X - 1, s.Y}).empty();
    const bool hasH = findNumber(s, true) != nullptr;
    const bool hasV = findNumber(s, false) != nullptr;

    if (leftFree && !hasH && (h.size() >= 2 || hasV))
        return 0;
    if (!hasV && (v.size() >= 2 || hasH))
        return 1;
    if (!leftFree)
        return hasV ? 0 : 1;
    if (h.empty() || (hasH && hasV))
        return -1;
    return 0;
}

void CheckNumberOverlap(TPoint p)
{
    if (!NumbersDrawnInside())
        return;
    const TClueNumber *hor = findNumber(p, true);
    const TClueNumber *ver = findNumber(p, false);
    if (!hor || !ver || hor->Num < 1 || ver->Num < 1)
        return;
    warn(QStringLiteral("Im Feld mit der Nummer %1 überlagern sich zwei Nummern!")
                 .arg(std::max(hor->Num, ver->Num)));
}

void UpdateSolutionWord()
{
    std::string word;
    // occurrences[n] counts the fields with solution number n.
    std::vector<int> occurrences(1, 0);
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            const TBoardField field = GetField({col, row});
            const int n = field.SolutionNumber;
            if (n <= 0 || n > MaxSolutionNumber)
                continue;
            if (int(word.size()) < n) {
                word.resize(size_t(n), '-');
                occurrences.resize(size_t(n) + 1, 0);
            }
            word[size_t(n - 1)] = field.Letter.empty() ? ' ' : field.Letter[0];
            ++occurrences[size_t(n)];
        }
    }
    for (int n = 1; n <= int(word.size()); ++n) {
        if (occurrences[size_t(n)] > 1) {
            warn(QStringLiteral("Ein Feld mit der Lösungsnummer %1 ist mehrfach vorhanden!")
                         .arg(n));
            return;
        }
    }
    if (View())
        View()->setSolutionWordText(toQString(word));
}

void CheckSolutionFrame()
{
    TCrossWordPuzzle &p = Puzzle;
    if (p.StartField.X != p.EndField.X && p.StartField.Y != p.EndField.Y) {
        // The end just set wins: the selection is on it.
        if (SamePoint(SelectedField, p.StartField))
            clearFrameEnd(p.EndField, &BoardView::setEndFieldText);
        else
            clearFrameEnd(p.StartField, &BoardView::setStartFieldText);
    }
    RedrawBoard();
}

} // namespace gs
