#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gs {

// One entry of a generator word list: the word as written (Windows-1252, blanks and hyphens
// kept), its definition and the list line it came from (from 1).
struct GeneratorEntry
{
    std::string word;
    std::string definition;
    int line = 0;
};

// Reads a generator word list: UTF-8 text (a byte-order mark is accepted), one entry per line,
// "WORT", "WORT;Definition" or "WORT<Tab>Definition"; empty lines and lines starting with "#"
// are skipped; at most MaxWordListLines lines and MaxWordListBytes bytes. False with a German
// message naming the line when the text is not UTF-8 or a line holds a character that
// Windows-1252 cannot hold.
bool readGeneratorEntries(const QString &text,
                          std::vector<GeneratorEntry> &entries,
                          QString &error);

// What the generator is asked for: the seed that makes a run repeatable, the largest box the
// layout may take (at most 49 x 39: column 1 and row 1 stay free for numbers drawn outside)
// and how long it may search at most.
struct GeneratorOptions
{
    std::uint64_t seed = 1;
    int maxCols = 50;
    int maxRows = 40;
    int budgetMs = 1000;
};

// A placed word: the entry it came from, its first field (column, row from 1) and direction,
// and the letters laid on the board (upper-cased, without blanks and hyphens).
struct GeneratedWord
{
    int entry = 0;
    int col = 0;
    int row = 0;
    bool across = true;
    std::string letters;
};

// Why an entry is not on the board.
enum class GeneratorSkip { Duplicate, TooShort, NoRoom };

struct SkippedEntry
{
    int entry = 0;
    GeneratorSkip reason = GeneratorSkip::NoRoom;
};

// The result of a run: the placed words, the entries left out, the box of the fields and the
// number of crossings.
struct GeneratedLayout
{
    std::vector<GeneratedWord> words;
    std::vector<SkippedEntry> skipped;
    int cols = 0;
    int rows = 0;
    int crossings = 0;
};

// Lays as many entries as possible into one connected, compact puzzle. The amount of search is
// fixed by the number of entries, so the same entries and seed give the same layout on every
// machine; only a search cut short by cancel or by budgetMs may differ. Checks cancel often and
// then returns the best layout found so far; progress (may be empty) is called with 0..100 from
// the calling thread. Words start in column 2 and row 2 or later.
GeneratedLayout generatePuzzle(const std::vector<GeneratorEntry> &entries,
                               const GeneratorOptions &options,
                               const std::atomic_bool *cancel = nullptr,
                               const std::function<void(int percent)> &progress = {});

// Replaces the board, numbers and definitions of the open puzzle by the layout, numbered by the
// editor's automatic numbering, each number's definition from its entry; field size, output
// settings and title stay. Sets Modified.
void applyGeneratedLayout(const GeneratedLayout &layout,
                          const std::vector<GeneratorEntry> &entries);

// The figures line, e.g. "28 von 30 Wörtern eingebaut · 17 × 18 Felder · 41 Kreuzungen".
QString generatorFigures(const GeneratedLayout &layout, int entryCount);
// One line per entry left out, e.g. "Zeile 4: BÄCKER – kein Platz".
QStringList skippedEntryLines(const GeneratedLayout &layout,
                              const std::vector<GeneratorEntry> &entries);

} // namespace gs
