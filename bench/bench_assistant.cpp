#include "assistant/wordfitter.h"
#include "assistant/wordfitting.h"
#include "benchmain.h"
#include "core/puzzle.h"
#include "support/referencefitting.h"
#include "support/scriptedprompt.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QCoreApplication>(argc, argv);
}
