#include "core/puzzlesnapshot.h"

#include "core/puzzle.h"

namespace gs {

namespace {

// The part of previous when it holds the same value, else a new copy of value.
template<typename T>
std::shared_ptr<const T> shareOrCopy(const T &value, const std::shared_ptr<const T> *previous)
{
    if (previous && *previous && **previous == value)
        return *previous;
    return std::make_shared<const T>(value);
}

size_t bytesOf(const std::vector<TBoardField> &column)
{
    return sizeof column + column.capacity() * sizeof(TBoardField);
}

size_t bytesOf(const std::vector<TClueNumber> &numbers)
{
    size_t bytes = sizeof numbers + numbers.capacity() * sizeof(TClueNumber);
    for (const TClueNumber &number : numbers) {
        if (number.Text.capacity() >= sizeof number.Text) // beyond the short-string buffer
            bytes += number.Text.capacity() + 1;
    }
    return bytes;
}

size_t bytesOf(const std::string &text)
{
    return sizeof text + text.capacity() + 1;
}

// Bytes of part unless previous holds the very same part.
template<typename T>
size_t unsharedBytes(const std::shared_ptr<const T> &part, const std::shared_ptr<const T> *previous)
{
    return previous && *previous == part ? 0 : bytesOf(*part);
}

} // namespace

PuzzleSnapshot PuzzleSnapshot::capture(const TCrossWordPuzzle &puzzle,
                                       const PuzzleSnapshot *previous)
{
    PuzzleSnapshot snapshot;
    snapshot.m_fieldSize = puzzle.FieldSize;
    snapshot.m_borderWidth = puzzle.BorderWidth;
    snapshot.m_numbersInside = puzzle.NumbersInside;
    snapshot.m_startField = puzzle.StartField;
    snapshot.m_endField = puzzle.EndField;
    snapshot.m_columns.reserve(puzzle.Board.size());
    for (size_t col = 0; col < puzzle.Board.size(); ++col) {
        const bool known = previous && col < previous->m_columns.size();
        snapshot.m_columns.push_back(
                shareOrCopy(puzzle.Board[col], known ? &previous->m_columns[col] : nullptr));
    }
    snapshot.m_numbers = shareOrCopy(puzzle.Numbers, previous ? &previous->m_numbers : nullptr);
    snapshot.m_infos = shareOrCopy(puzzle.Infos, previous ? &previous->m_infos : nullptr);
    return snapshot;
}

TCrossWordPuzzle PuzzleSnapshot::puzzle() const
{
    TCrossWordPuzzle puzzle;
    puzzle.FieldSize = m_fieldSize;
    puzzle.BorderWidth = m_borderWidth;
    puzzle.NumbersInside = m_numbersInside;
    puzzle.StartField = m_startField;
    puzzle.EndField = m_endField;
    puzzle.Board.clear();
    puzzle.Board.reserve(m_columns.size());
    for (const auto &column : m_columns)
        puzzle.Board.push_back(*column);
    puzzle.Numbers = *m_numbers;
    puzzle.Infos = *m_infos;
    return puzzle;
}

bool PuzzleSnapshot::matches(const TCrossWordPuzzle &puzzle) const
{
    if (puzzle.FieldSize != m_fieldSize || puzzle.BorderWidth != m_borderWidth
        || puzzle.NumbersInside != m_numbersInside || !SamePoint(puzzle.StartField, m_startField)
        || !SamePoint(puzzle.EndField, m_endField) || puzzle.Board.size() != m_columns.size()
        || puzzle.Numbers != *m_numbers || puzzle.Infos != *m_infos)
        return false;
    for (size_t col = 0; col < m_columns.size(); ++col) {
        if (puzzle.Board[col] != *m_columns[col])
            return false;
    }
    return true;
}

bool PuzzleSnapshot::sharesAllWith(const PuzzleSnapshot &other) const
{
    return m_fieldSize == other.m_fieldSize && m_borderWidth == other.m_borderWidth
           && m_numbersInside == other.m_numbersInside
           && SamePoint(m_startField, other.m_startField) && SamePoint(m_endField, other.m_endField)
           && m_columns == other.m_columns && m_numbers == other.m_numbers
           && m_infos == other.m_infos;
}

size_t PuzzleSnapshot::bytesBeyond(const PuzzleSnapshot *previous) const
{
    size_t bytes = sizeof *this + m_columns.capacity() * sizeof m_columns.front();
    for (size_t col = 0; col < m_columns.size(); ++col) {
        const bool known = previous && col < previous->m_columns.size();
        bytes += unsharedBytes(m_columns[col], known ? &previous->m_columns[col] : nullptr);
    }
    bytes += unsharedBytes(m_numbers, previous ? &previous->m_numbers : nullptr);
    bytes += unsharedBytes(m_infos, previous ? &previous->m_infos : nullptr);
    return bytes;
}

} // namespace gs
