#include "benchmain.h"
#include "core/canvas.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "imaging/gifwriter.h"
#include "support/fakeboardview.h"
#include "support/fullboard.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#ifdef GS_HAVE_GIFLIB
#include <gif_lib.h>

#include <algorithm>
#include <bit>
#include <vector>
#endif

namespace {

// Like the image export of a full 50 x 40 puzzle: the board under a title, a line of
// definitions below, on a white 1600 x 1300 picture.
const QImage &composedPicture()
{
    static const QImage picture = [] {
        gs::FakeBoardView view;
        gs::FillFullBoard();
        gs::RedrawBoard();
        QImage image(1600, 1300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).drawImage(60, 70, gs::BoardImage());
        gs::Canvas canvas(image);
        canvas.setFontSize(20);
        canvas.setBold(true);
        canvas.textOut(600, 20, "Felderquiz Nr. 1");
        canvas.setFontSize(10);
        canvas.setBold(false);
        canvas.textOut(60, 1250, "1 Stadt am Rhein, 4 Teil des Hauses, 9 kleines Tier mit Fell");
        return image;
    }();
    return picture;
}

// The real export's call: interlaced, nothing transparent.
void BM_EncodeGif(benchmark::State &state)
{
    const QImage &image = composedPicture();
    for (auto _ : state) {
        const QByteArray gif = gs::EncodeGif(image, true, qRgb(255, 255, 255), false);
        benchmark::DoNotOptimize(gif.data());
        state.counters["bytes"] = double(gif.size());
    }
}
BENCHMARK(BM_EncodeGif)->Unit(benchmark::kMillisecond);

#ifdef GS_HAVE_GIFLIB
int appendToBuffer(GifFileType *gif, const GifByteType *data, int size)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), size);
    return size;
}

// The baseline: giflib's EGifPutLine on the same picture, interlaced, given the palette indices
// in stored row order (the colour mapping is not timed here, unlike above).
void BM_GiflibEGifPutLine(benchmark::State &state)
{
    const QImage &image = composedPicture();
    const int width = image.width();
    const int height = image.height();
    std::vector<QRgb> colors;
    std::vector<GifPixelType> indices;
    for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step)
            for (int x = 0; x < width; ++x) {
                const QRgb color = image.pixel(x, y);
                auto entry = std::find(colors.begin(), colors.end(), color);
                if (entry == colors.end())
                    entry = colors.insert(colors.end(), color);
                indices.push_back(GifPixelType(entry - colors.begin()));
            }
    const int bits = std::max(1, int(std::bit_width(colors.size() - 1)));
    std::vector<GifColorType> table(size_t(1) << bits);
    for (size_t i = 0; i < colors.size(); ++i)
        table[i] = {GifByteType(qRed(colors[i])),
                    GifByteType(qGreen(colors[i])),
                    GifByteType(qBlue(colors[i]))};
    ColorMapObject *map = GifMakeMapObject(int(table.size()), table.data());
    for (auto _ : state) {
        QByteArray gif;
        int error = 0;
        GifFileType *file = EGifOpen(&gif, appendToBuffer, &error);
        EGifSetGifVersion(file, true);
        EGifPutScreenDesc(file, width, height, bits, 0, map);
        EGifPutImageDesc(file, 0, 0, width, height, true, nullptr);
        for (int row = 0; row < height; ++row)
            EGifPutLine(file, indices.data() + size_t(row) * size_t(width), width);
        EGifCloseFile(file, &error);
        benchmark::DoNotOptimize(gif.data());
        state.counters["bytes"] = double(gif.size());
    }
    GifFreeMapObject(map);
}
BENCHMARK(BM_GiflibEGifPutLine)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QGuiApplication>(argc, argv);
}
