#include "benchmain.h"
#include "core/puzzle.h"
#include "output/htmlexport.h"
#include "output/webexport.h"
#include "support/fullboard.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The largest puzzle: 50 x 40 fields with separators and solution letters, 400 definitions.
void fillFullPuzzle()
{
    gs::FillFullBoard();
    for (int i = 300; i < 400; ++i)
        gs::Puzzle.Numbers.push_back(gs::MakeClueNumber(2 + i % 49, 3 + i % 37, "", false));
    for (int i = 0; i < 400; ++i) {
        gs::Puzzle.Numbers[i].Num = i + 1;
        gs::Puzzle.Numbers[i].Text
                = "Eine Definition mit einigen W\xF6rtern, Nummer " + std::to_string(i + 1);
    }
    for (int col = 1; col <= gs::MaxCols; col += 3) {
        gs::FieldAt({col, 7}).BorderRight = true;
        gs::FieldAt({col, 9}).SolutionNumber = col;
    }
    gs::Puzzle.StartField = {1, 9};
    gs::Puzzle.EndField = {gs::MaxCols, 9};
}

// The largest page, written to a file together with "arc.gif".
void BM_GenerateHtmlFull(benchmark::State &state)
{
    fillFullPuzzle();
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("seite.htm"));
    gs::OutputSettings settings;
    settings.setOn("CheckBox9", state.range(0));
    for (auto _ : state) {
        if (!gs::GenerateHTML(fileName, settings).isEmpty())
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_GenerateHtmlFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The web puzzle of the largest puzzle, written to a file.
void BM_ExportWebFull(benchmark::State &state)
{
    fillFullPuzzle();
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("raetsel.html"));
    const gs::OutputSettings settings;
    for (auto _ : state) {
        if (!gs::ExportWebPage(fileName, settings).isEmpty())
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ExportWebFull)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QCoreApplication>(argc, argv);
}
