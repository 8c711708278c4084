#pragma once

#include "core/crosswordpuzzle.h"

#include <memory>
#include <string>
#include <vector>

namespace gs {

// An unchangeable copy of a whole puzzle (board, numbers with definitions, frame, sizes and the
// settings text). A snapshot taken after another one shares every column, the number list and
// the settings text that did not change, so a long history of small edits stays small.
class PuzzleSnapshot
{
public:
    // A copy of puzzle; parts equal to those of previous (if given) are shared with it.
    static PuzzleSnapshot capture(const TCrossWordPuzzle &puzzle,
                                  const PuzzleSnapshot *previous = nullptr);

    // The copy, whole.
    TCrossWordPuzzle puzzle() const;
    // Whether puzzle equals the copy in every field, number and setting.
    bool matches(const TCrossWordPuzzle &puzzle) const;
    // Whether this snapshot, taken after other, shares every part with it: nothing changed.
    bool sharesAllWith(const PuzzleSnapshot &other) const;
    // Bytes of the parts that this snapshot does not share with previous: what it adds to a
    // history that already holds previous.
    size_t bytesBeyond(const PuzzleSnapshot *previous) const;

private:
    using Column = std::vector<TBoardField>;

    int m_fieldSize = 0;
    int m_borderWidth = 0;
    bool m_numbersInside = false;
    TPoint m_startField;
    TPoint m_endField;
    std::vector<std::shared_ptr<const Column>> m_columns;
    std::shared_ptr<const std::vector<TClueNumber>> m_numbers;
    std::shared_ptr<const std::string> m_infos;
};

} // namespace gs
