#include "benchmain.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "support/fakeboardview.h"
#include "support/fullboard.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_RedrawBoardFull(benchmark::State &state)
{
    gs::FakeBoardView view;
    view.raster = true;
    gs::FillFullBoard();
    for (auto _ : state)
        gs::RedrawBoard();
    benchmark::DoNotOptimize(gs::BoardImage().constBits());
}
BENCHMARK(BM_RedrawBoardFull)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QGuiApplication>(argc, argv);
}
