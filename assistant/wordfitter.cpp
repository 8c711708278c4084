#include "assistant/wordfitter.h"

#include "core/numbering.h"
#include "core/puzzle.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace gs {

namespace {

// Every letter of a word starting at p lies in columns 1..MaxCols and rows 1..MaxRows, where
// the editor keeps its fields and the loader accepts them.
bool insideEditingArea(TPoint p, bool horizontal, int length)
{
    const TPoint last = letterPosition(p, horizontal, length - 1);
    return !IsNoField(p) && last.X <= MaxCols && last.Y <= MaxRows;
}

} // namespace

WordFitter::WordFitter()
{
    load();
}

void WordFitter::load()
{
    m_cols = std::max(BoardCols(), MaxCols) + 2;
    m_rows = std::max(BoardRows(), MaxRows) + 2;
    m_cells.assign(size_t(m_cols) * size_t(m_rows), -1);
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            const std::string &letter = Puzzle.Board[size_t(col)][size_t(row)].Letter;
            if (!letter.empty())
                m_cells[size_t(col) * size_t(m_rows) + size_t(row)]
                        = static_cast<unsigned char>(letter[0]);
        }
    }
}

int WordFitter::cell(TPoint p) const
{
    return inGrid(p) ? m_cells[size_t(p.X) * size_t(m_rows) + size_t(p.Y)] : -1;
}

bool WordFitter::occupied(TPoint p) const
{
    const int letter = cell(p);
    return letter >= 0 && letter != ' ';
}

void WordFitter::FitRemainingWords(std::vector<std::string> &words, bool withNumbers)
{
    // Words that found no place since the board last changed: a search would find none again.
    // Two such words at the front take turns for all remaining passes.
    std::unordered_set<std::string> placeless;
    const size_t total = words.size();
    for (size_t pass = 0; !words.empty() && pass < total; ++pass) {
        const TPlacement best
                = placeless.count(words.front()) ? TPlacement{} : FindBestPlacement(words.front());
        if (!IsNoField({best.column, best.row})) {
            PlaceWord({best.column, best.row}, best.horizontal, words.front(), withNumbers);
            words.erase(words.begin());
            placeless.clear();
        } else {
            placeless.insert(words.front());
            if (pass + 1 < words.size())
                std::swap(words[0], words[1]);
        }
    }
}

TPlacement WordFitter::FindBestPlacement(const std::string &word) const
{
    TPlacement best;
    const int length = int(word.size());
    if (length == 0 || length > std::max(MaxCols, MaxRows))
        return best;
    // The letter indexes of each byte of the word, in rising order: first[byte], then next[k].
    std::array<int, 256> first;
    first.fill(-1);
    std::vector<int> next(size_t(length), -1);
    for (int k = length - 1; k >= 0; --k) {
        const auto byte = static_cast<unsigned char>(word[size_t(k)]);
        next[size_t(k)] = first[byte];
        first[byte] = k;
    }
    const auto consider = [&](TPoint start, bool horizontal) {
        if (!insideEditingArea(start, horizontal, length) || !WordFits(start, horizontal, word))
            return;
        TPlacement candidate{start.X, start.Y, horizontal, 0};
        candidate.score = CountCoincidences(word, candidate);
        // Only a higher score replaces: among equals the first found stays.
        if (candidate.score > best.score)
            best = candidate;
    };
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (!occupied({col, row}))
                continue;
            for (int k = first[size_t(cell({col, row}))]; k >= 0; k = next[size_t(k)]) {
                consider({col - k, row}, true);
                consider({col, row - k}, false);
            }
        }
    }
    return best;
}

bool WordFitter::WordFits(TPoint p, bool horizontal, const std::string &word) const
{
    const int n = int(word.size());
    const TPoint before = letterPosition(p, horizontal, -1);
    const TPoint after = letterPosition(p, horizontal, n);
    if (occupied(before) || occupied(after))
        return false;
    // Across is the direction perpendicular to the word: the neighbours beside each letter.
    const TPoint across = horizontal ? TPoint{0, 1} : TPoint{1, 0};
    const auto besideOccupied = [&](TPoint q) {
        return occupied({q.X - across.X, q.Y - across.Y})
               || occupied({q.X + across.X, q.Y + across.Y});
    };
    // A letter lands on a blank field with blank fields beside it, or on the same letter.
    for (int k = 0; k < n; ++k) {
        const TPoint q = letterPosition(p, horizontal, k);
        if (occupied(q) ? cell(q) != static_cast<unsigned char>(word[size_t(k)])
                        : besideOccupied(q))
            return false;
    }
    if (horizontal) {
        // A letter diagonally before or after the word is allowed only where the word's end
        // field is a crossing already.
        return (!besideOccupied(before) || occupied(p))
               && (!besideOccupied(after) || occupied(letterPosition(p, true, n - 1)));
    }
    return !besideOccupied(before) && !besideOccupied(after);
}

int WordFitter::CountCoincidences(const std::string &word, const TPlacement &placement) const
{
    int count = 0;
    for (int k = 0; k < int(word.size()); ++k) {
        const TPoint q = letterPosition({placement.column, placement.row}, placement.horizontal, k);
        count += cell(q) == static_cast<unsigned char>(word[size_t(k)]);
    }
    return count;
}

void WordFitter::PlaceWord(TPoint p, bool horizontal, const std::string &word, bool withNumbers)
{
    bool beyondCopy = false;
    for (int k = 0; k < int(word.size()); ++k) {
        const TPoint q = letterPosition(p, horizontal, k);
        SetLetter(q, word.substr(size_t(k), 1));
        if (IsNoField(q))
            continue;
        if (inGrid(q))
            m_cells[size_t(q.X) * size_t(m_rows) + size_t(q.Y)]
                    = static_cast<unsigned char>(word[size_t(k)]);
        else
            beyondCopy = true;
    }
    if (beyondCopy)
        load();
    if (withNumbers)
        AddNumber(p, horizontal);
}

} // namespace gs
