#include "imaging/gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// width x height pixels using exactly `colors` colours (given enough pixels): each once in
// turn, then scattered at random.
QImage picture(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i) {
        const int k = i < colors ? i : int((quint32(i) * 2654435761u) >> 16) % colors;
        image.setPixel(i % width, i / width, qRgb(k, 255 - k / 2, 37 * k));
    }
    return image;
}

// A puzzle-sized raster in four colours, drawn without antialiasing as the board is.
QImage puzzlePicture()
{
    QImage image(1600, 1300, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    for (int i = 0; i <= 50; ++i)
        painter.drawLine(40 + 29 * i, 40, 40 + 29 * i, 1200);
    for (int i = 0; i <= 40; ++i)
        painter.drawLine(40, 40 + 29 * i, 1490, 40 + 29 * i);
    for (int i = 0; i < 300; ++i)
        painter.fillRect(41 + 29 * (i * 7 % 50), 41 + 29 * (i % 40), 28, 28, QColor(0xBCBCBC));
    painter.fillRect(300, 1230, 900, 40, Qt::blue);
    return image;
}

// Offset of the image descriptor's packed byte.
qsizetype descriptorFlags(const QByteArray &gif)
{
    return 13 + 3 * (2 << (gif[10] & 7)) + 8 + 9;
}

// Sizes of the image data sub-blocks.
QList<int> dataBlocks(const QByteArray &gif)
{
    qsizetype pos = descriptorFlags(gif) + 2;
    QList<int> sizes;
    while (const int size = quint8(gif[pos])) {
        sizes << size;
        pos += size + 1;
    }
    return sizes;
}

QImage decode(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    return QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_RGB32);
}

// The picture with its rows in the order an interlaced GIF stores them.
QImage interlacedRows(const QImage &image)
{
    QImage rows(image.size(), image.format());
    int out = 0;
    for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < image.height(); y += step)
            memcpy(rows.scanLine(out++), image.constScanLine(y), size_t(image.bytesPerLine()));
    return rows;
}

} // namespace

class TestGifWriter : public QObject
{
    Q_OBJECT

private slots:
    void decodesToTheSamePixels_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<int>("tableBits");
        const struct
        {
            const char *name;
            QImage image;
            int tableBits;
        } pictures[] = {{"1 colour 1x1", picture(1, 1, 1), 1},
                        {"2 colours 7x3", picture(7, 3, 2), 1},
                        {"3 colours 1x5", picture(1, 5, 3), 2},
                        {"16 colours", picture(7, 3, 16), 4},
                        {"17 colours", picture(17, 2, 17), 5},
                        {"256 colours, table emptied", picture(300, 200, 256), 8},
                        {"puzzle", puzzlePicture(), 2},
                        {"data of 255 bytes", picture(1530, 1, 3), 2}};
        for (const auto &p : pictures)
            for (const bool interlaced : {false, true})
                QTest::addRow("%s%s", p.name, interlaced ? ", interlaced" : "")
                        << p.image << interlaced << p.tableBits;
    }
    void decodesToTheSamePixels()
    {
        QFETCH(QImage, image);
        QFETCH(bool, interlaced);
        QFETCH(int, tableBits);
        const QByteArray gif = gs::EncodeGif(image, interlaced, White, false);
        QCOMPARE(quint8(gif[10]), 0x80 | (tableBits - 1));
        // Full sub-blocks, then one of 1 to 255 bytes.
        const QList<int> blocks = dataBlocks(gif);
        QVERIFY(std::all_of(
                blocks.cbegin(), blocks.cend() - 1, [](int size) { return size == 255; }));
        QCOMPARE(blocks.last() == 255, image.width() == 1530);
        QCOMPARE(gif[descriptorFlags(gif)], interlaced ? 0x40 : 0);
        if (interlaced) {
            QByteArray stored = gif;
            stored[descriptorFlags(gif)] = 0;
            QCOMPARE(decode(stored), interlacedRows(image));
        }
        // Qt's reader misplaces the rows of interlaced pictures 3 or 4 rows high.
        if (!interlaced || image.height() < 3 || image.height() > 4)
            QCOMPARE(decode(gif), image);
    }

    void writesExactBytes()
    {
        // The arc image's case: white marked transparent. Black is met first, white is entry 1.
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(White);
        image.setPixel(0, 0, qRgb(0, 0, 0));
        image.setPixel(2, 0, qRgb(0, 0, 0));
        for (const bool transparent : {false, true}) {
            const QByteArray control = transparent ? "01000001" : "00000000";
            const QByteArray expected = QByteArray::fromHex(
                    "474946383961 0300 0200 80 00 00 000000 ffffff 21f904" + control
                    + "00 2c 0000 0000 0300 0200 00 02 03441c51 00 21fe0b47697474657273"
                      "7465726e00 3b");
            QCOMPARE(gs::EncodeGif(image, false, White, transparent), expected);
        }
        // A transparent colour on the last of 256 entries is marked too.
        const QImage colors256 = picture(16, 16, 256);
        const QByteArray gif = gs::EncodeGif(colors256, false, colors256.pixel(15, 15), true);
        QCOMPARE(gif.mid(13 + 768 + 3, 4), QByteArray::fromHex("010000ff"));
    }

    void savesOnlyWhatItCanEncode()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bild.gif"));
        QImage image = picture(7, 3, 2);
        QVERIFY(gs::SaveBitmapAsGif(path, image, true, White, false));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), gs::EncodeGif(image, true, White, false));

        QString error;
        QImage tooMany = picture(20, 13, 257);
        QVERIFY(!gs::SaveBitmapAsGif(path, tooMany, true, White, false, &error));
        QCOMPARE(error,
                 QStringLiteral("Das Bild hat mehr als 256 Farben und kann nicht als GIF "
                                "gespeichert werden."));
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), gs::EncodeGif(image, true, White, false));

        const QString missing = dir.filePath(QStringLiteral("fehlt/bild.gif"));
        QVERIFY(!gs::SaveBitmapAsGif(missing, image, true, White, false, &error));
        QVERIFY(error.startsWith("Die Datei " + missing + " kann nicht geschrieben werden: "));
        QVERIFY(gs::EncodeGif(QImage(65536, 1, QImage::Format_RGB32), false, White, false)
                        .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
