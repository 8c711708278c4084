// Reads arbitrary bytes as a generator word list and lays what it accepts: decoding, the entry
// format and the generator must refuse or place anything without a crash, and every layout must
// go onto the board.

#include "assistant/puzzlegenerator.h"
#include "assistant/wordlist.h"
#include "core/puzzle.h"

#include <QByteArray>

using namespace gs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text;
    QString error;
    std::vector<GeneratorEntry> entries;
    if (!decodeWordList(bytes, QStringLiteral("liste.txt"), text, error)
        || !readGeneratorEntries(text, entries, error))
        return 0;
    GeneratorOptions options;
    options.seed = size;
    options.maxCols = 2 + int(size % 48);
    options.maxRows = 2 + int(size % 38);
    // Short: the fixed amount of work of a long list would make each input take seconds.
    options.budgetMs = 20;
    const GeneratedLayout layout = generatePuzzle(entries, options);
    NewPuzzle();
    applyGeneratedLayout(layout, entries);
    generatorFigures(layout, int(entries.size()));
    skippedEntryLines(layout, entries);
    return 0;
}
