#include "imaging/gifwriter.h"

#include "core/savefile.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace gs {
namespace {

constexpr int MaxColors = 256;
// LZW codes have at most 12 bits.
constexpr int MaxCodeWidth = 12;
constexpr int MaxCodes = 1 << MaxCodeWidth;
// Width and height are 16-bit numbers in the file.
constexpr int MaxSide = 0xFFFF;
constexpr qsizetype SubBlockSize = 255;
constexpr char Comment[] = "Gitterstern";

// The rows in the order they are stored: top to bottom, or the four passes of an interlaced GIF.
std::vector<int> outputRows(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    static constexpr int interlacedStart[] = {0, 4, 2, 1};
    static constexpr int interlacedStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass) {
        const int start = interlaced ? interlacedStart[pass] : 0;
        const int step = interlaced ? interlacedStep[pass] : 1;
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    }
    return rows;
}

// Appends each pixel's palette index in row order, adding colours (0xRRGGBB, read by
// pixelAt(line, x)) to the palette as they are first met; false when a 257th colour is met.
// A hashed lookup finds the one entry a search from index 0 would find.
template<typename PixelAt>
bool mapColors(const QImage &image,
               const std::vector<int> &rows,
               PixelAt pixelAt,
               std::vector<quint32> &palette,
               quint8 *indices)
{
    constexpr int Slots = 4 * MaxColors;
    constexpr quint32 NoColor = 0xFFFFFFFF;
    std::array<quint32, Slots> slotColor;
    slotColor.fill(NoColor);
    std::array<quint8, Slots> slotIndex{};
    quint32 lastColor = NoColor;
    quint8 lastIndex = 0;
    const int width = image.width();
    for (const int y : rows) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const quint32 color = pixelAt(line, x);
            if (color != lastColor) {
                unsigned slot = (color * 0x9E3779B1u) >> 22;
                while (slotColor[slot] != color && slotColor[slot] != NoColor)
                    slot = (slot + 1) % Slots;
                if (slotColor[slot] == NoColor) {
                    if (palette.size() == MaxColors)
                        return false;
                    slotColor[slot] = color;
                    slotIndex[slot] = quint8(palette.size());
                    palette.push_back(color);
                }
                lastColor = color;
                lastIndex = slotIndex[slot];
            }
            *indices++ = lastIndex;
        }
    }
    return true;
}

// Bits per colour-table index: the smallest n >= 1 with 2^n >= colors.
int tableBits(int colors)
{
    int bits = 1;
    while ((1 << bits) < colors)
        ++bits;
    return bits;
}

// The variable-width LZW code stream of count >= 1 indices, packed least-significant bit first.
QByteArray lzwCodes(const quint8 *indices, qsizetype count, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;
    // The string table, indexed directly: the code of prefix + index sits at
    // (prefix << minCodeSize) | index, 0 when absent.
    std::vector<quint16> child(size_t(MaxCodes) << minCodeSize);
    // The slot each code occupies, so that emptying the table touches only what was entered.
    std::array<quint32, MaxCodes> slotOfCode;
    // At most 12 bits per index, plus the clear codes and the final codes.
    QByteArray packed(count * 2 + 16, Qt::Uninitialized);
    uchar *out = reinterpret_cast<uchar *>(packed.data());
    quint64 bits = 0;
    int bitCount = 0;
    int width = minCodeSize + 1;
    int nextCode = firstFree;
    const auto put = [&](quint32 code) {
        bits |= quint64(code) << bitCount;
        bitCount += width;
        if (bitCount >= 32) {
            qToLittleEndian(quint32(bits), out);
            out += 4;
            bits >>= 32;
            bitCount -= 32;
        }
    };
    // A code of the string table; widens when the next free code no longer fits.
    const auto putString = [&](quint32 code) {
        put(code);
        if (nextCode >= (1 << width) && width < MaxCodeWidth)
            ++width;
    };

    put(clearCode);
    quint32 prefix = indices[0];
    for (qsizetype i = 1; i < count; ++i) {
        const quint32 slot = (prefix << minCodeSize) | indices[i];
        if (child[slot] != 0) {
            prefix = child[slot];
            continue;
        }
        putString(prefix);
        if (nextCode < MaxCodes) {
            child[slot] = quint16(nextCode);
            slotOfCode[nextCode++] = slot;
        } else {
            for (int code = firstFree; code < MaxCodes; ++code)
                child[slotOfCode[code]] = 0;
            put(clearCode);
            width = minCodeSize + 1;
            nextCode = firstFree;
        }
        prefix = indices[i];
    }
    putString(prefix);
    put(endCode);
    for (; bitCount > 0; bitCount -= 8, bits >>= 8)
        *out++ = uchar(bits);
    packed.truncate(out - reinterpret_cast<uchar *>(packed.data()));
    return packed;
}

void appendLe16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

// Data as sub-blocks of at most 255 bytes, each behind its length, then the empty sub-block.
void appendSubBlocks(QByteArray &out, const char *data, qsizetype size)
{
    for (qsizetype pos = 0; pos < size; pos += SubBlockSize) {
        const qsizetype length = std::min(SubBlockSize, size - pos);
        out.append(char(length)).append(data + pos, length);
    }
    out.append('\0');
}

// The whole file; empty with *error set (when given) when the picture cannot be a GIF.
QByteArray encode(const QImage &bitmap,
                  bool interlaced,
                  QRgb transparentColor,
                  bool transparent,
                  QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };
    const int width = bitmap.width();
    const int height = bitmap.height();
    if (bitmap.isNull())
        return fail(QStringLiteral("Das Bild ist leer und kann nicht als GIF gespeichert werden."));
    if (width > MaxSide || height > MaxSide)
        return fail(QStringLiteral("Das Bild ist breiter oder höher als 65535 Pixel und kann "
                                   "nicht als GIF gespeichert werden."));

    const std::vector<int> rows = outputRows(height, interlaced);
    const qsizetype count = qsizetype(width) * height;
    const auto indices = std::make_unique_for_overwrite<quint8[]>(size_t(count));
    std::vector<quint32> palette;
    bool mapped = false;
    if (bitmap.format() == QImage::Format_RGB32) {
        const auto pixelAt = [](const uchar *line, int x) {
            return reinterpret_cast<const quint32 *>(line)[x] & 0xFFFFFF;
        };
        mapped = mapColors(bitmap, rows, pixelAt, palette, indices.get());
    } else {
        const auto pixelAt = [](const uchar *line, int x) {
            const uchar *rgb = line + 3 * x;
            return quint32(rgb[0]) << 16 | quint32(rgb[1]) << 8 | rgb[2];
        };
        mapped = mapColors(bitmap.convertToFormat(QImage::Format_RGB888),
                           rows,
                           pixelAt,
                           palette,
                           indices.get());
    }
    if (!mapped)
        return fail(QStringLiteral("Das Bild hat mehr als 256 Farben und kann nicht als GIF "
                                   "gespeichert werden."));

    const int bits = tableBits(int(palette.size()));
    const int minCodeSize = std::max(bits, 2);
    const auto transparentEntry
            = std::find(palette.begin(), palette.end(), transparentColor & 0xFFFFFF);
    const bool markTransparent = transparent && transparentEntry != palette.end();
    const QByteArray codes = lzwCodes(indices.get(), count, minCodeSize);

    QByteArray gif;
    gif.reserve(codes.size() + codes.size() / SubBlockSize + 1024);
    gif.append("GIF89a");
    appendLe16(gif, width);
    appendLe16(gif, height);
    gif.append(char(0x80 | (bits - 1))).append('\0').append('\0');
    for (size_t i = 0; i < (size_t(1) << bits); ++i) {
        const quint32 color = i < palette.size() ? palette[i] : 0;
        gif.append(char(color >> 16)).append(char(color >> 8)).append(char(color));
    }
    const char graphicControl[] = {'\x21',
                                   '\xF9',
                                   4,
                                   char(markTransparent ? 1 : 0),
                                   0,
                                   0,
                                   char(markTransparent ? transparentEntry - palette.begin() : 0),
                                   0};
    gif.append(graphicControl, sizeof graphicControl);
    gif.append('\x2C');
    appendLe16(gif, 0);
    appendLe16(gif, 0);
    appendLe16(gif, width);
    appendLe16(gif, height);
    gif.append(char(interlaced ? 0x40 : 0));
    gif.append(char(minCodeSize));
    appendSubBlocks(gif, codes.constData(), codes.size());
    gif.append("\x21\xFE");
    appendSubBlocks(gif, Comment, sizeof Comment - 1);
    gif.append('\x3B');
    return gif;
}

} // namespace

bool SaveBitmapAsGif(const QString &fileName,
                     QImage &bitmap,
                     bool interlaced,
                     QRgb transparentColor,
                     bool transparent,
                     QString *error)
{
    bitmap.convertTo(QImage::Format_RGB888);
    const QByteArray gif = encode(bitmap, interlaced, transparentColor, transparent, error);
    if (gif.isEmpty())
        return false;
    const QString message
            = writeFileReporting(fileName, std::string_view(gif.constData(), size_t(gif.size())));
    if (error)
        *error = message;
    return message.isEmpty();
}

QByteArray EncodeGif(const QImage &bitmap,
                     bool interlaced,
                     QRgb transparentColor,
                     bool transparent,
                     QString *error)
{
    return encode(bitmap, interlaced, transparentColor, transparent, error);
}

} // namespace gs
