#include "assistant/layoutsearch.h"
#include "assistant/puzzlegenerator.h"
#include "assistant/wordfitter.h"
#include "assistant/wordfitting.h"
#include "assistant/wordlist.h"
#include "benchmain.h"
#include "core/cp1252.h"
#include "core/puzzle.h"
#include "support/referencefitting.h"
#include "support/scriptedprompt.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <random>

namespace {

using Words = std::vector<std::string>;

// 2,000 German-sounding words of 3 to 12 letters, the same on every run.
const Words &germanWords()
{
    static const Words words = [] {
        static const char *const syllables[]
                = {"BA",  "BE",   "DER",  "DIE",  "EI",   "EN", "ER",  "GE",  "HAUS", "KA", "KE",
                   "LI",  "LUNG", "MA",   "NE",   "RA",   "RE", "SCH", "SE",  "ST",   "TA", "TE",
                   "UNG", "ZU",   "\xC4", "\xD6", "\xDC", "AU", "BR",  "ACH", "IN",   "OR"};
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> pick(0, int(std::size(syllables)) - 1);
        std::uniform_int_distribution<int> length(3, 12);
        Words result;
        while (result.size() < 2000) {
            const size_t target = size_t(length(random));
            std::string word;
            while (word.size() < target)
                word += syllables[pick(random)];
            if (word.size() <= 12)
                result.push_back(word);
        }
        return result;
    }();
    return words;
}

// Fits the words onto an empty board with numbers; returns what was handed back.
template<void Fit(Words &, bool)>
Words fitOntoEmptyBoard()
{
    gs::NewPuzzle();
    Words words = germanWords();
    Fit(words, true);
    return words;
}

void fitWords(Words &words, bool withNumbers)
{
    gs::FitWords(words, withNumbers);
}

template<void Fit(Words &, bool)>
void BM_Fit(benchmark::State &state)
{
    gs::ScriptedPrompt prompt;
    const Words expectedLeft = fitOntoEmptyBoard<gs::ReferenceFitWords>();
    const gs::TCrossWordPuzzle expected = gs::Puzzle;
    const Words left = fitOntoEmptyBoard<Fit>();
    if (left != expectedLeft || gs::Puzzle.Board != expected.Board
        || gs::Puzzle.Numbers != expected.Numbers)
        state.SkipWithError("placements differ from the reference");
    for (auto _ : state)
        benchmark::DoNotOptimize(fitOntoEmptyBoard<Fit>());
    state.counters["placed"] = double(germanWords().size() - left.size());
}
// The engine, and the straightforward scan of every field for every letter as its baseline.
BENCHMARK(BM_Fit<fitWords>)->Name("BM_FitWords")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fit<gs::ReferenceFitWords>)
        ->Name("BM_FitWordsReferenceScan")
        ->Unit(benchmark::kMillisecond);

// One search for every word on the board that the fitting above leaves behind, without the
// fitting's shortcut for words that found no place before.
void BM_FindBestPlacement(benchmark::State &state)
{
    gs::ScriptedPrompt prompt;
    fitOntoEmptyBoard<fitWords>();
    const gs::WordFitter fitter;
    for (const std::string &word : germanWords())
        if (!(fitter.FindBestPlacement(word) == gs::ReferenceFindBestPlacement(word)))
            state.SkipWithError("placement differs from the reference");
    for (auto _ : state)
        for (const std::string &word : germanWords())
            benchmark::DoNotOptimize(fitter.FindBestPlacement(word));
}
BENCHMARK(BM_FindBestPlacement)->Unit(benchmark::kMillisecond);

void BM_FindBestPlacementReferenceScan(benchmark::State &state)
{
    gs::ScriptedPrompt prompt;
    fitOntoEmptyBoard<fitWords>();
    for (auto _ : state)
        for (const std::string &word : germanWords())
            benchmark::DoNotOptimize(gs::ReferenceFindBestPlacement(word));
}
BENCHMARK(BM_FindBestPlacementReferenceScan)->Unit(benchmark::kMillisecond);

// The generator's lists: 30 school nouns with definitions, and words of 4 to 10 letters drawn
// with a fixed seed from the wngerman list (empty when it is not installed).
std::vector<gs::GeneratorEntry> nouns()
{
    QString text;
    QString error;
    std::vector<gs::GeneratorEntry> entries;
    if (!gs::readWordListText(QStringLiteral(GS_NOUNS), text, error)
        || !gs::readGeneratorEntries(text, entries, error))
        qFatal("%s", qPrintable(error));
    return entries;
}

std::vector<gs::GeneratorEntry> dictionaryWords(size_t count)
{
    QFile file(QStringLiteral("/usr/share/dict/ngerman"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<std::string> words;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line);
        const auto letter = [](QChar c) { return c.isLetter(); };
        if (word.size() >= 4 && word.size() <= 10 && std::all_of(word.begin(), word.end(), letter))
            words.push_back(gs::fromQString(word));
    }
    gs::SplitMix64 random(17);
    std::vector<gs::GeneratorEntry> entries;
    for (size_t i = 0; i < count && i < words.size(); ++i) {
        std::swap(words[i], words[i + size_t(random.below(int(words.size() - i)))]);
        entries.push_back({words[i], std::string(), int(i) + 1});
    }
    return entries;
}

// The peak resident memory of the process so far, in MiB.
double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The generator on a list; the figures of its layout as counters.
void BM_Generate(benchmark::State &state,
                 const std::vector<gs::GeneratorEntry> &entries,
                 int budgetMs)
{
    if (entries.empty()) {
        state.SkipWithError("word list /usr/share/dict/ngerman missing (package wngerman)");
        return;
    }
    gs::GeneratorOptions options;
    options.budgetMs = budgetMs;
    gs::GeneratedLayout layout;
    for (auto _ : state)
        layout = gs::generatePuzzle(entries, options);
    state.counters["placed"] = double(layout.words.size());
    state.counters["cols"] = layout.cols;
    state.counters["rows"] = layout.rows;
    state.counters["crossings"] = layout.crossings;
    state.counters["peakMiB"] = peakMiB();
}
BENCHMARK_CAPTURE(BM_Generate, nouns30, nouns(), 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, wngerman200, dictionaryWords(200), 1000)
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, wngerman2000, dictionaryWords(2000), 3000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);

// The assistant's FitWords with numbers on an empty board, on the same lists, for comparison.
void BM_FitWordsOnList(benchmark::State &state, const std::vector<gs::GeneratorEntry> &entries)
{
    if (entries.empty()) {
        state.SkipWithError("word list /usr/share/dict/ngerman missing (package wngerman)");
        return;
    }
    gs::ScriptedPrompt prompt;
    Words list;
    for (const gs::GeneratorEntry &entry : entries)
        list.push_back(entry.word);
    Words left;
    for (auto _ : state) {
        gs::NewPuzzle();
        left = list;
        gs::FitWords(left, true);
    }
    int cols = 0;
    int rows = 0;
    for (int c = 1; c <= gs::BoardCols(); ++c)
        for (int r = 1; r <= gs::BoardRows(); ++r)
            if (!gs::GetLetter({c, r}).empty()) {
                cols = std::max(cols, c);
                rows = std::max(rows, r);
            }
    state.counters["placed"] = double(list.size() - left.size());
    state.counters["lastCol"] = cols;
    state.counters["lastRow"] = rows;
}
BENCHMARK_CAPTURE(BM_FitWordsOnList, nouns30, nouns())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitWordsOnList, wngerman200, dictionaryWords(200))
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitWordsOnList, wngerman2000, dictionaryWords(2000))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QCoreApplication>(argc, argv);
}
