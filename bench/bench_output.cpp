#include "benchmain.h"
#include "core/puzzle.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"
#include "support/fullboard.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// The largest board with 400 definitions of a typical length, title and definitions shown.
void BM_ComposeFullPuzzle(benchmark::State &state)
{
    gs::FillFullBoard();
    for (int i = int(gs::Puzzle.Numbers.size()); i < 400; ++i) {
        gs::TClueNumber number = gs::MakeClueNumber(2 + i % 49, 2 + i % 39, "", i % 2 == 0);
        number.Num = i + 1;
        gs::Puzzle.Numbers.push_back(number);
    }
    for (gs::TClueNumber &number : gs::Puzzle.Numbers)
        number.Text = "Nebenfluss der Donau in Bayern (" + std::to_string(number.Num) + ")";
    gs::OutputSettings settings;
    gs::ImageComposition composition;
    for (auto _ : state)
        composition.Draw(settings, true, true);
    benchmark::DoNotOptimize(composition.image().constBits());
}
BENCHMARK(BM_ComposeFullPuzzle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QGuiApplication>(argc, argv);
}
