#pragma once

#include "assistant/placement.h"
#include "core/point.h"

#include <string>
#include <vector>

namespace gs {

// Lays words into the open puzzle so that they cross letters already there. Works on a copy of
// the board's letters, which PlaceWord keeps in step with the puzzle; the puzzle must not be
// changed by anything else while the fitter lives.
class WordFitter
{
public:
    // Takes the copy of the open puzzle's letters.
    WordFitter();

    // Tries the first entry once per entry present at the start: a placed word leaves the list,
    // a word that fits nowhere swaps places with the second entry while the pass count allows.
    void FitRemainingWords(std::vector<std::string> &words, bool withNumbers);
    // The candidate crossing a board letter with the most coinciding letters, the first found
    // among equals (by column, row, letter index, horizontal first); no placement when none
    // fits. Candidates must lie within the editing area.
    TPlacement FindBestPlacement(const std::string &word) const;
    // The neighbour rules for word with its first letter at p; every letter, the first one too,
    // must land on a blank field or on the same letter.
    bool WordFits(TPoint p, bool horizontal, const std::string &word) const;
    // How many letters of word equal the letters already at the placement's fields.
    int CountCoincidences(const std::string &word, const TPlacement &placement) const;
    // Writes the letters of word from p (only letters change) and, with numbers, appends a clue
    // number at p through AddNumber.
    void PlaceWord(TPoint p, bool horizontal, const std::string &word, bool withNumbers);

private:
    // Copies the puzzle's letters, with room for the rules' look beyond the editing area.
    void load();
    // The letter byte at p, or -1 where no letter is stored (also outside the board).
    int cell(TPoint p) const;
    // Whether the letter at p is neither missing nor a blank.
    bool occupied(TPoint p) const;
    bool inGrid(TPoint p) const { return p.X >= 0 && p.Y >= 0 && p.X < m_cols && p.Y < m_rows; }

    int m_cols = 0;
    int m_rows = 0;
    // Column by column, as the search visits the fields.
    std::vector<short> m_cells;
};

} // namespace gs
