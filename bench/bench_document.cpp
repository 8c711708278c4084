#include "benchmain.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/ipuzexport.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zlib.h>

namespace {

// A definition of 200 characters made of words drawn at random, as compressible as real ones.
std::string definition(QRandomGenerator &random)
{
    static const char *const words[] = {
            "Stadt",  "am",          "Rhein",    "Hauptstadt", "von",   "Teil",        "des",
            "Hauses", "kleines",     "Tier",     "mit",        "Fell",  "alter",       "Name",
            "f\xFCr", "Fluss",       "in",       "Europa",     "Vogel", "Gew\xE4sser", "gro\xDFer",
            "Berg",   "Gef\xE4\xDF", "(Abk.)",   "Farbe",      "&",     "<Plural>",    "Musik",
            "Zeit",   "Wetter",      "Ger\xE4t", "Sport",      "Baum",  "Insel",       "Spiel",
            "Stoff",  "Zahl",        "Frucht",   "Gott"};
    std::string text;
    while (text.size() < 200)
        text += std::string(words[random.bounded(int(std::size(words)))]) + ' ';
    return text;
}

// A board of cols x rows random letters with 400 numbers per 2000 fields, each carrying a
// definition of 200 characters (for 50 x 40: 400 numbers).
void fillDocument(int cols, int rows)
{
    QRandomGenerator random(7);
    gs::NewPuzzle();
    for (int col = 1; col <= cols; ++col)
        for (int row = 1; row <= rows; ++row)
            gs::SetLetter({col, row}, std::string(1, char('A' + random.bounded(26))));
    const int count = cols * rows / 5;
    for (int i = 0; i < count; ++i) {
        const std::string text = definition(random);
        gs::TClueNumber number = gs::MakeClueNumber(
                1 + i % cols, 1 + (i / cols) % rows, text.substr(0, 200), i % 2 == 0);
        number.Num = i + 1;
        gs::Puzzle.Numbers.push_back(number);
    }
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

void setSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Args({10, 10})->Args({25, 20})->Args({50, 40})->Unit(benchmark::kMillisecond);
}

// Saving the whole document: both files, through temporary files.
void BM_SaveDocument(benchmark::State &state)
{
    fillDocument(int(state.range(0)), int(state.range(1)));
    const QString path = folder().filePath(QStringLiteral("bench.gsd"));
    for (auto _ : state)
        gs::SavePuzzle(path);
    state.counters["text_bytes"] = double(gs::DocumentText().size());
}
BENCHMARK(BM_SaveDocument)->Apply(setSizes);

// The baseline: zlib at level 9 alone on the same document text.
void BM_ZlibCompressLevel9(benchmark::State &state)
{
    fillDocument(int(state.range(0)), int(state.range(1)));
    const std::string text = gs::DocumentText();
    std::string compressed(compressBound(uLong(text.size())), '\0');
    for (auto _ : state) {
        uLongf size = uLongf(compressed.size());
        compress2(reinterpret_cast<Bytef *>(compressed.data()),
                  &size,
                  reinterpret_cast<const Bytef *>(text.data()),
                  uLong(text.size()),
                  Z_BEST_COMPRESSION);
        benchmark::DoNotOptimize(compressed.data());
    }
}
BENCHMARK(BM_ZlibCompressLevel9)->Apply(setSizes);

void BM_LoadDocument(benchmark::State &state)
{
    fillDocument(int(state.range(0)), int(state.range(1)));
    const QString path = folder().filePath(QStringLiteral("load.gsd"));
    gs::SavePuzzle(path);
    for (auto _ : state)
        gs::LoadPuzzle(path);
}
BENCHMARK(BM_LoadDocument)->Apply(setSizes);

// The same document as an ipuz file, written and opened (beside saving and loading above).
void BM_ExportIpuz(benchmark::State &state)
{
    fillDocument(int(state.range(0)), int(state.range(1)));
    const QString path = folder().filePath(QStringLiteral("bench.ipuz"));
    for (auto _ : state)
        gs::ExportIpuz(path, "Titel");
    state.counters["file_bytes"] = double(gs::IpuzText("Titel").size());
}
BENCHMARK(BM_ExportIpuz)->Apply(setSizes);

void BM_ImportIpuz(benchmark::State &state)
{
    fillDocument(int(state.range(0)), int(state.range(1)));
    const QString path = folder().filePath(QStringLiteral("load.ipuz"));
    gs::ExportIpuz(path, "Titel");
    for (auto _ : state)
        gs::LoadPuzzle(path);
}
BENCHMARK(BM_ImportIpuz)->Apply(setSizes);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QCoreApplication>(argc, argv);
}
