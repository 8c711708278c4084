#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace gs {

// splitmix64: a small generator that gives the same numbers with every compiler and library.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t next();
    // A number in 0..n-1 (n > 0).
    int below(int n) { return int(next() % std::uint64_t(n)); }

private:
    std::uint64_t m_state;
};

// A word laid by the search: its index in the search's word list, its first field (column x
// and row y from 0) and its direction.
struct LaidWord
{
    int word = 0;
    int x = 0;
    int y = 0;
    bool across = true;
};

// One randomized best-first greedy run on a box of cols x rows fields: the first word goes
// into the middle, then at each step the unplaced word with the fewest possible positions is
// laid at its best position (most crossings, then closest along other words, least growth of
// the used box). Every word after the first crosses one already laid; no letter touches
// another except where words cross, so every run of two or more letters is exactly one laid
// word.
class LayoutSearch
{
public:
    // words: upper-cased letters, at least two each.
    LayoutSearch(const std::vector<std::string> &words, int cols, int rows);

    // One run whose choices follow seed; false when cancel was raised (the words laid so far
    // stay and form a sound layout). compact: growth of the used box counts against a position,
    // for words that may all fit; otherwise the box is filled as densely as it goes.
    bool run(std::uint64_t seed, bool compact, const std::atomic_bool *cancel);

    // Lays the words (a sound layout in this box) and the positions left for the others.
    void restore(std::vector<LaidWord> laid);
    // Takes out the words that reach into a random patch of the board, keeps the largest
    // connected piece of the rest and fills again (nothing changes when that piece leaves out
    // more than a few words); false when cancel was raised.
    bool repair(std::uint64_t seed, const std::atomic_bool *cancel);
    // Lays a random open word across a laid letter where it clashes with the fewest laid words,
    // takes those out and fills again; false when cancel was raised.
    bool insert(std::uint64_t seed, const std::atomic_bool *cancel);

    const std::vector<LaidWord> &laid() const { return m_laid; }
    int crossings() const { return m_crossings; }
    // The used box: first and last column and row holding a letter.
    int left() const { return m_left; }
    int top() const { return m_top; }
    int right() const { return m_right; }
    int bottom() const { return m_bottom; }

private:
    struct Cell
    {
        char letter = 0;
        // 1: part of an across word, 2: part of a down word.
        std::uint8_t dirs = 0;
    };
    struct Candidate
    {
        int key = 0; // (field index << 1) | down
        int crossings = 0;
    };

    // The field at column x and row y from -1 to cols and rows: the box has a ring of fields
    // that stay empty, so that neighbours need no bounds check.
    Cell &at(int x, int y) { return m_cells[size_t((y + 1) * (m_cols + 2) + x + 1)]; }
    const Cell &at(int x, int y) const { return m_cells[size_t((y + 1) * (m_cols + 2) + x + 1)]; }
    bool occupied(int x, int y) const { return at(x, y).letter != 0; }
    // Whether the field at column x and row y holds a letter; any x and y.
    bool letterAt(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_cols && y < m_rows && occupied(x, y);
    }
    // Crossings of word laid at (x, y) in the direction, or -1 when it may not lie there.
    int crossingsAt(const std::string &word, int x, int y, bool across) const;
    // The score of word w at the candidate's position, with this run's noise.
    int score(int w, const Candidate &candidate) const;
    // A position as a candidate's key, and the position of word w a candidate stands for.
    int keyOf(int x, int y, bool across) const
    {
        return ((y * m_cols + x) << 1) | (across ? 0 : 1);
    }
    LaidWord positionOf(int w, const Candidate &candidate) const
    {
        const int field = candidate.key >> 1;
        return {w, field % m_cols, field / m_cols, !(candidate.key & 1)};
    }
    void reset();
    // The words not laid.
    std::vector<int> openWords() const;
    // Draws the tie-breaking order and the noise of a run from seed; the generator goes on.
    SplitMix64 reseed(std::uint64_t seed, int noise, bool compact);
    // Writes the word's letters without looking at the positions of the others.
    void lay(const LaidWord &laid);
    void place(const LaidWord &laid);
    // Lays the best position of all words, one after the other, until none is left.
    bool fill(const std::atomic_bool *cancel);
    // The position of word w with its letter k on the laid field (x, y), across the one word
    // there, when that field is the position's first crossing and the word fits.
    void addThrough(int w, int k, int x, int y);
    // The positions of the given words that cross what is laid.
    void addCandidates(const std::vector<int> &words);
    // Takes out every laid word not in keep (which stays one piece) and updates the positions
    // of the open words near the fields that changed.
    void takeOut(const std::vector<LaidWord> &keep);
    void extendBox(const LaidWord &laid);
    std::vector<LaidWord> largestPiece(const std::vector<LaidWord> &laid) const;
    // Takes out the laid words not in kept, the second of two words that crossed one of them
    // on neighbouring fields, and what is cut off from the largest piece of the rest; false,
    // changing nothing, when that would cut off more than a few.
    bool keepLargestPiece(const std::vector<LaidWord> &kept);
    // Per field and direction (field * 2 + 1 for down) the index in laid of the word there,
    // or -1.
    std::vector<int> owners(const std::vector<LaidWord> &laid) const;
    // The laid words (indices into m_laid) that must go before the word can lie at position;
    // stops once more than limit are found.
    void clashes(const LaidWord &position,
                 const std::vector<int> &owner,
                 size_t limit,
                 std::vector<int> &found) const;
    // Drops the positions the last laid word spoilt, updates those it touches and adds
    // those that cross it.
    void updateCandidates(const LaidWord &last);

    const std::vector<std::string> *m_words;
    int m_cols;
    int m_rows;
    int m_longest = 0;
    // Per letter, every word and index where it occurs; shared by the copies of a search.
    std::shared_ptr<const std::vector<std::vector<std::pair<int, int>>>> m_wordsByLetter;
    std::vector<Cell> m_cells;
    std::vector<std::vector<Candidate>> m_candidates;
    std::vector<char> m_placed;
    std::vector<LaidWord> m_laid;
    // Tie-breaking order of the words and the noise of the scores, drawn per run.
    std::vector<std::uint32_t> m_rank;
    std::uint64_t m_salt = 0;
    // Scores get a random addition below this.
    int m_noise = 8;
    // Whether growth of the used box counts against a position.
    bool m_compact = true;
    int m_crossings = 0;
    int m_left = 0;
    int m_top = 0;
    int m_right = -1;
    int m_bottom = -1;
};

} // namespace gs
