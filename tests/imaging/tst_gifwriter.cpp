#include "imaging/gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// width x height pixels in exactly `colors` colours (given enough pixels): each once in turn,
// then scattered at random.
QImage picture(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i) {
        const int k = i < colors ? i : int((quint32(i) * 2654435761u) >> 16) % colors;
        image.setPixel(i % width, i / width, qRgb(k, 255 - k / 2, 37 * k));
    }
    return image;
}

// A puzzle-sized board of 50 x 40 framed fields, some grey, drawn without antialiasing.
QImage puzzlePicture()
{
    QImage image(1600, 1300, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    for (int i = 0; i < 2000; ++i) {
        painter.setBrush(i % 7 ? Qt::white : Qt::gray);
        painter.drawRect(40 + 29 * (i % 50), 40 + 29 * (i / 50), 29, 29);
    }
    return image;
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
        const std::pair<const char *, QImage> pictures[]
                = {{"1 colour 1x1", picture(1, 1, 1)},
                   {"2 colours 7x3", picture(7, 3, 2)},
                   {"3 colours 1x5", picture(1, 5, 3)},
                   {"16 colours", picture(7, 3, 16)},
                   {"17 colours", picture(17, 2, 17)},
                   {"256 colours, table emptied", picture(300, 200, 256)},
                   {"puzzle", puzzlePicture()},
                   {"data of 255 bytes", picture(1530, 1, 3)}};
        for (const auto &[name, image] : pictures)
            for (const bool interlaced : {false, true})
                QTest::addRow("%s%s", name, interlaced ? ", interlaced" : "")
                        << image << interlaced;
    }
    void decodesToTheSamePixels()
    {
        QFETCH(QImage, image);
        QFETCH(bool, interlaced);
        const QByteArray gif = gs::EncodeGif(image, interlaced, White, false);
        // Full data sub-blocks, then one of 1 to 255 bytes.
        const qsizetype flags = 13 + 3 * (2 << (gif[10] & 7)) + 17;
        int block = 0;
        for (qsizetype pos = flags + 2; gif[pos] != 0; pos += block + 1) {
            QVERIFY(block == 0 || block == 255);
            block = quint8(gif[pos]);
        }
        QCOMPARE(block == 255, image.width() == 1530);
        if (interlaced) {
            QByteArray stored = gif;
            stored[flags] = 0;
            QCOMPARE(decode(stored), interlacedRows(image));
        }
        // Qt's reader misplaces the rows of interlaced pictures 3 or 4 rows high.
        if (!interlaced || image.height() < 3 || image.height() > 4)
            QCOMPARE(decode(gif), image);
    }

    void writesTheFileOnlyWhenEncoded()
    {
        // The arc image's case: white marked transparent. Black is met first, white is entry 1.
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(White);
        image.setPixel(0, 0, qRgb(0, 0, 0));
        image.setPixel(2, 0, qRgb(0, 0, 0));
        const auto expected = [](const QByteArray &graphicControl) {
            return QByteArray::fromHex("474946383961 0300 0200 80 00 00 000000 ffffff 21f904"
                                       + graphicControl
                                       + "00 2c 0000 0000 0300 0200 00 02 03441c51 00"
                                         "21fe0b 47697474657273 7465726e 00 3b");
        };
        QCOMPARE(gs::EncodeGif(image, false, White, false), expected("00000000"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bild.gif"));
        QVERIFY(gs::SaveBitmapAsGif(path, image, false, White, true));
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == expected("01000001"));

        QString error;
        QImage tooMany = picture(20, 13, 257);
        QVERIFY(!gs::SaveBitmapAsGif(path, tooMany, true, White, false, &error));
        QCOMPARE(error,
                 QStringLiteral("Das Bild hat mehr als 256 Farben und kann nicht als GIF "
                                "gespeichert werden."));
        QVERIFY(file.seek(0) && file.readAll() == expected("01000001"));
        const QString missing = dir.filePath(QStringLiteral("fehlt/bild.gif"));
        QVERIFY(!gs::SaveBitmapAsGif(missing, image, true, White, false, &error));
        QVERIFY(error.startsWith("Die Datei " + missing + " kann nicht geschrieben werden: "));
        QVERIFY(gs::EncodeGif(QImage(65536, 1, QImage::Format_RGB32), false, White, false)
                        .isEmpty());
        // A transparent colour on the last of 256 entries is marked too.
        const QImage colors256 = picture(16, 16, 256);
        const QByteArray gif = gs::EncodeGif(colors256, false, colors256.pixel(15, 15), true);
        QCOMPARE(gif.mid(13 + 768 + 3, 4), QByteArray::fromHex("010000ff"));
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
