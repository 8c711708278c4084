#include "assistant/puzzlegenerator.h"

#include "assistant/layoutsearch.h"
#include "assistant/wordlist.h"
#include "core/boardcommands.h"
#include "core/cp1252.h"
#include "core/puzzle.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <tuple>
#include <unordered_set>

namespace gs {

namespace {

// The letters an entry lays on the board: upper-cased, blanks and hyphens left out.
std::string gridLetters(const std::string &word)
{
    std::string letters = upperCase(word);
    std::erase_if(letters, [](char c) { return c == ' ' || c == '-'; });
    return letters;
}

// The words the search may lay, each with its entry, and the entries it may not.
struct SearchWords
{
    std::vector<std::string> letters;
    std::vector<int> entries;
    std::vector<SkippedEntry> skipped;
};

SearchWords searchWords(const std::vector<GeneratorEntry> &entries)
{
    SearchWords words;
    std::unordered_set<std::string> seen;
    for (int i = 0; i < int(entries.size()); ++i) {
        std::string letters = gridLetters(entries[size_t(i)].word);
        if (letters.size() < 2)
            words.skipped.push_back({i, GeneratorSkip::TooShort});
        else if (!seen.insert(letters).second)
            words.skipped.push_back({i, GeneratorSkip::Duplicate});
        else {
            words.letters.push_back(std::move(letters));
            words.entries.push_back(i);
        }
    }
    return words;
}

// A finished search run, reduced to what decides between runs.
struct Candidate
{
    std::vector<LaidWord> laid;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int crossings = 0;

    explicit Candidate(const LayoutSearch &search)
        : laid(search.laid())
        , left(search.left())
        , top(search.top())
        , width(search.right() - search.left() + 1)
        , height(search.bottom() - search.top() + 1)
        , crossings(search.crossings())
    {
    }
    Candidate() = default;

    // More words, then a shorter long side, then a smaller and squarer box, then more
    // crossings.
    bool betterThan(const Candidate &other) const
    {
        const auto key = [](const Candidate &c) {
            return std::make_tuple(-int(c.laid.size()),
                                   std::max(c.width, c.height),
                                   c.width * c.height,
                                   std::abs(c.width - c.height));
        };
        if (key(*this) != key(other))
            return key(*this) < key(other);
        return crossings > other.crossings;
    }
};

// How many fresh runs and how many repairs a list of n words gets: the same on every machine,
// so that a search that ends before the time budget gives the same layout everywhere.
int runsFor(int n)
{
    return std::clamp(9000 / std::max(n, 1), 4, 300);
}

int repairsFor(int n)
{
    return std::clamp(600000 / std::max(n, 1), 20, 3000);
}

} // namespace

bool readGeneratorEntries(const QString &text, std::vector<GeneratorEntry> &entries, QString &error)
{
    entries.clear();
    const QStringList lines = wordListLines(text);
    if (lines.size() > MaxWordListLines || text.toUtf8().size() > MaxWordListBytes) {
        error = wordListTooLong(QString());
        return false;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const qsizetype separator = semicolon < 0 ? tab
                                    : tab < 0     ? semicolon
                                                  : std::min(semicolon, tab);
        GeneratorEntry entry;
        entry.line = i + 1;
        if (!lineToCp1252(line.left(separator).trimmed(), entry.line, entry.word, error)
            || (separator >= 0
                && !lineToCp1252(
                        line.mid(separator + 1).trimmed(), entry.line, entry.definition, error)))
            return false;
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) {
        error = QStringLiteral("Die Liste enthält keine Wörter!");
        return false;
    }
    return true;
}

GeneratedLayout generatePuzzle(const std::vector<GeneratorEntry> &entries,
                               const GeneratorOptions &options,
                               const std::atomic_bool *cancel,
                               const std::function<void(int percent)> &progress)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    // Column 1 and row 1 stay free for numbers drawn outside their fields.
    const int cols = std::clamp(options.maxCols, 2, MaxCols - 1);
    const int rows = std::clamp(options.maxRows, 2, MaxRows - 1);
    const SearchWords words = searchWords(entries);

    const int count = int(words.letters.size());
    const int runs = runsFor(count);
    const int repairs = repairsFor(count);
    int done = 0;
    bool stopped = count == 0;
    // Ends the search on cancel and at the end of the time budget.
    const auto keepGoing = [&](bool finished) {
        ++done;
        if (progress)
            progress(std::min(100, done * 100 / (runs + repairs)));
        stopped = !finished || Clock::now() - start >= std::chrono::milliseconds(options.budgetMs);
        return !stopped;
    };
    Candidate best;
    const auto allLaid = [&] { return int(best.laid.size()) == count; };
    // One fresh run in a box of c x r; true when it gave a better layout. The first run and
    // those after one that laid all words keep the layout compact; the others fill the box as
    // densely as they can, for lists that do not fit.
    const auto attempt = [&](int c, int r) {
        LayoutSearch search(words.letters, c, r);
        keepGoing(search.run(SplitMix64(options.seed ^ std::uint64_t(done) << 32).next(),
                             done == 0 || allLaid(),
                             cancel));
        const Candidate candidate(search);
        if (done > 1 && !candidate.betterThan(best))
            return false;
        best = candidate;
        return true;
    };

    // A third of the runs in the whole box.
    for (int i = 0; !stopped && i < std::max(1, runs / 3); ++i)
        attempt(cols, rows);
    // All words laid: square boxes a field smaller while a run fills one as well.
    const int triesPerBox = std::max(2, runs / 12);
    bool shrinking = allLaid();
    while (!stopped && shrinking && done < runs) {
        shrinking = false;
        const int side = std::max(best.width, best.height) - 1;
        const int c = std::min(cols, side);
        const int r = std::min(rows, side);
        for (int t = 0; c >= 2 && r >= 2 && !stopped && !shrinking && t < triesPerBox; ++t)
            shrinking = attempt(c, r);
    }
    while (!stopped && allLaid() && done < runs)
        attempt(best.width, best.height);

    // Words left over: repairs of the best layout, centred in the whole box, every fourth one
    // bringing in an open word; a repair that lays as many words as before is kept and
    // repaired further.
    if (!stopped && !allLaid() && !best.laid.empty()) {
        LayoutSearch search(words.letters, cols, rows);
        std::vector<LaidWord> laid = best.laid;
        for (LaidWord &word : laid) {
            word.x += (cols - best.width) / 2 - best.left;
            word.y += (rows - best.height) / 2 - best.top;
        }
        search.restore(laid);
        LayoutSearch current = search;
        for (int i = 0; !stopped && i < repairs && !allLaid(); ++i) {
            const std::uint64_t seed = SplitMix64(options.seed ^ std::uint64_t(i) << 40).next();
            keepGoing(i % 4 == 3 ? search.insert(seed, cancel) : search.repair(seed, cancel));
            if (search.laid().size() < current.laid().size()) {
                search = current;
                continue;
            }
            current = search;
            const Candidate candidate(search);
            if (candidate.betterThan(best))
                best = candidate;
        }
    }

    if (progress)
        progress(100);
    GeneratedLayout layout;
    layout.skipped = words.skipped;
    std::vector<char> placed(entries.size(), 0);
    for (const LaidWord &laid : best.laid) {
        const int entry = words.entries[size_t(laid.word)];
        placed[size_t(entry)] = 1;
        layout.words.push_back({entry,
                                laid.x - best.left + 2,
                                laid.y - best.top + 2,
                                laid.across,
                                words.letters[size_t(laid.word)]});
    }
    for (const int entry : words.entries)
        if (!placed[size_t(entry)])
            layout.skipped.push_back({entry, GeneratorSkip::NoRoom});
    std::sort(layout.skipped.begin(),
              layout.skipped.end(),
              [](const SkippedEntry &a, const SkippedEntry &b) { return a.entry < b.entry; });
    if (!best.laid.empty()) {
        layout.cols = best.width;
        layout.rows = best.height;
        layout.crossings = best.crossings;
    }
    return layout;
}

void applyGeneratedLayout(const GeneratedLayout &layout, const std::vector<GeneratorEntry> &entries)
{
    ClearBoard();
    for (const GeneratedWord &word : layout.words)
        for (int i = 0; i < int(word.letters.size()); ++i)
            SetLetter(letterPosition({word.col, word.row}, word.across, i),
                      std::string(1, word.letters[size_t(i)]));
    AutoNumber();
    for (TClueNumber &number : Puzzle.Numbers) {
        for (const GeneratedWord &word : layout.words) {
            if (word.col == number.Col && word.row == number.Row && word.across == number.Hor) {
                number.Text = entries[size_t(word.entry)].definition.substr(0, MaxDefinitionLength);
                break;
            }
        }
    }
    Modified = true;
}

QString generatorFigures(const GeneratedLayout &layout, int entryCount)
{
    return QStringLiteral("%1 von %2 %3 eingebaut · %4 × %5 Felder · %6 %7")
            .arg(layout.words.size())
            .arg(entryCount)
            .arg(entryCount == 1 ? QStringLiteral("Wort") : QStringLiteral("Wörtern"))
            .arg(layout.cols)
            .arg(layout.rows)
            .arg(layout.crossings)
            .arg(layout.crossings == 1 ? QStringLiteral("Kreuzung") : QStringLiteral("Kreuzungen"));
}

QStringList skippedEntryLines(const GeneratedLayout &layout,
                              const std::vector<GeneratorEntry> &entries)
{
    QStringList lines;
    for (const SkippedEntry &skipped : layout.skipped) {
        const GeneratorEntry &entry = entries[size_t(skipped.entry)];
        const QString reason
                = skipped.reason == GeneratorSkip::Duplicate  ? QStringLiteral("doppelt")
                  : skipped.reason == GeneratorSkip::TooShort ? QStringLiteral("zu kurz")
                                                              : QStringLiteral("kein Platz");
        lines << QStringLiteral("Zeile %1: %2 – %3")
                         .arg(entry.line)
                         .arg(toQString(upperCase(entry.word)), reason);
    }
    return lines;
}

} // namespace gs
