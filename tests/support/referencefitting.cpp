#include "support/referencefitting.h"

#include "assistant/wordfitting.h"
#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "support/placefield.h"

#include <algorithm>

namespace gs {

namespace {

bool occupied(int col, int row)
{
    const std::string letter = GetLetter({col, row});
    return !letter.empty() && letter != " ";
}

TPoint at(TPoint p, bool hor, int k)
{
    return hor ? TPoint{p.X + k, p.Y} : TPoint{p.X, p.Y + k};
}

// The neighbour rules, with x counted along the word from its first letter and y across it.
bool fits(TPoint p, bool hor, const std::string &w)
{
    const int n = int(w.size());
    const auto occ = [&](int x, int y) {
        return hor ? occupied(p.X + x, p.Y + y) : occupied(p.X + y, p.Y + x);
    };
    if (WordCollides(p, hor, w) || (occ(0, 0) && GetLetter(p) != w.substr(0, 1)) || occ(-1, 0)
        || occ(n, 0))
        return false;
    for (int k = 0; k < n; ++k)
        if ((occ(k, -1) || occ(k, 1)) && !occ(k, 0))
            return false;
    if (hor)
        return !((occ(-1, -1) || occ(-1, 1)) && !occ(0, 0))
               && !((occ(n, -1) || occ(n, 1)) && !occ(n - 1, 0));
    return !occ(-1, -1) && !occ(-1, 1) && !occ(n, -1) && !occ(n, 1);
}

} // namespace

TPlacement ReferenceFindBestPlacement(const std::string &w)
{
    const int n = int(w.size());
    std::vector<TPlacement> found;
    for (int col = 1; col <= BoardCols(); ++col)
        for (int row = 1; row <= BoardRows(); ++row)
            for (int k = 0; k < n; ++k)
                for (const bool hor : {true, false}) {
                    const TPoint p = hor ? TPoint{col - k, row} : TPoint{col, row - k};
                    const TPoint last = at(p, hor, n - 1);
                    if (!occupied(col, row) || GetLetter({col, row}) != w.substr(size_t(k), 1)
                        || IsNoField(p) || last.X > MaxCols || last.Y > MaxRows || !fits(p, hor, w))
                        continue;
                    int score = 0;
                    for (int i = 0; i < n; ++i)
                        score += GetLetter(at(p, hor, i)) == w.substr(size_t(i), 1);
                    found.push_back({p.X, p.Y, hor, score});
                }
    const auto best = std::max_element(
            found.begin(), found.end(), [](auto &a, auto &b) { return a.score < b.score; });
    return best == found.end() ? TPlacement{} : *best;
}

void ReferenceFitWords(std::vector<std::string> &words, bool withNumbers)
{
    const auto place = [&](TPoint p, bool hor, size_t index) {
        PlaceWord(p, hor, words[index]);
        if (withNumbers)
            AddNumber(p, hor);
        words.erase(words.begin() + long(index));
    };
    for (std::string &w : words)
        w = upperCase(w);
    sortByLength(words);
    const auto first = std::find_if(
            words.begin(), words.end(), [](auto &w) { return !w.empty() && w.size() <= 41; });
    if (IsBoardEmpty() && first != words.end())
        place({10, 10}, true, size_t(first - words.begin()));
    const size_t total = words.size();
    for (size_t pass = 0; !words.empty() && pass < total; ++pass) {
        const TPlacement b = ReferenceFindBestPlacement(words[0]);
        if (!IsNoField({b.column, b.row}))
            place({b.column, b.row}, b.horizontal, 0);
        else if (pass + 1 < words.size())
            std::swap(words[0], words[1]);
    }
}

} // namespace gs
