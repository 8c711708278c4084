#include "core/puzzle.h"
#include "core/render.h"
#include "support/fakeboardview.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// A full 50 x 40 board: every field a letter, 300 clue numbers, raster on, field size 30.
void fillBoard()
{
    gs::NewPuzzle();
    for (int col = 1; col <= gs::MaxCols; ++col)
        for (int row = 1; row <= gs::MaxRows; ++row)
            gs::SetLetter({col, row}, std::string(1, char('A' + (col * 7 + row) % 26)));
    for (int i = 0; i < 300; ++i) {
        const int col = 2 + i % 49;
        const int row = 2 + (i / 49) * 6 + i % 5;
        gs::TClueNumber number = gs::MakeClueNumber(col, row, "", i % 2 == 0);
        number.Num = i + 1;
        gs::Puzzle.Numbers.push_back(number);
    }
}

void BM_RedrawBoardFull(benchmark::State &state)
{
    gs::FakeBoardView view;
    view.raster = true;
    fillBoard();
    for (auto _ : state)
        gs::RedrawBoard();
    benchmark::DoNotOptimize(gs::BoardImage().constBits());
}
BENCHMARK(BM_RedrawBoardFull)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
