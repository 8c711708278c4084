#include "support/referencefitting.h"

#include "assistant/wordfitting.h"
#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"

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

bool fits(TPoint p, bool hor, const std::string &w)
{
    const int c = p.X, r = p.Y, n = int(w.size());
    if (WordCollides(p, hor, w) || (occupied(c, r) && GetLetter(p) != w.substr(0, 1)))
        return false;
    if (hor) {
        for (int k = 0; k < n; ++k)
            if ((occupied(c + k, r - 1) || occupied(c + k, r + 1)) && !occupied(c + k, r))
                return false;
        return !occupied(c - 1, r) && !occupied(c + n, r)
               && !((occupied(c - 1, r - 1) || occupied(c - 1, r + 1)) && !occupied(c, r))
               && !((occupied(c + n, r - 1) || occupied(c + n, r + 1)) && !occupied(c + n - 1, r));
    }
    for (int k = 0; k < n; ++k)
        if ((occupied(c - 1, r + k) || occupied(c + 1, r + k)) && !occupied(c, r + k))
            return false;
    return !occupied(c, r - 1) && !occupied(c, r + n) && !occupied(c - 1, r - 1)
           && !occupied(c + 1, r - 1) && !occupied(c - 1, r + n) && !occupied(c + 1, r + n);
}

} // namespace

TPlacement ReferenceFindBestPlacement(const std::string &w)
{
    const int n = int(w.size());
    std::vector<TPlacement> found;
    for (int col = 1; col <= BoardCols(); ++col)
        for (int row = 1; row <= BoardRows(); ++row)
            for (int k = 0; k < n; ++k) {
                if (!occupied(col, row) || GetLetter({col, row}) != w.substr(size_t(k), 1))
                    continue;
                for (const bool hor : {true, false}) {
                    const TPoint p = hor ? TPoint{col - k, row} : TPoint{col, row - k};
                    const TPoint last = at(p, hor, n - 1);
                    if (IsNoField(p) || last.X > MaxCols || last.Y > MaxRows || !fits(p, hor, w))
                        continue;
                    int score = 0;
                    for (int i = 0; i < n; ++i)
                        score += GetLetter(at(p, hor, i)) == w.substr(size_t(i), 1);
                    found.push_back({p.X, p.Y, hor, score});
                }
            }
    const auto best = std::max_element(
            found.begin(), found.end(), [](auto &a, auto &b) { return a.score < b.score; });
    return best == found.end() ? TPlacement{} : *best;
}

void ReferenceFitWords(std::vector<std::string> &words, bool withNumbers)
{
    const auto place = [&](TPoint p, bool hor, size_t index) {
        for (int k = 0; k < int(words[index].size()); ++k)
            SetLetter(at(p, hor, k), words[index].substr(size_t(k), 1));
        if (withNumbers)
            AddNumber(p, hor);
        words.erase(words.begin() + long(index));
    };
    for (std::string &w : words)
        w = upperCase(w);
    sortByLength(words);
    if (IsBoardEmpty())
        for (size_t i = 0; i < words.size(); ++i)
            if (!words[i].empty() && words[i].size() <= 41) {
                place({10, 10}, true, i);
                break;
            }
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
