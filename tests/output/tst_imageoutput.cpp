#include "core/canvas.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"
#include "output/pictureexport.h"
#include "output/printlayout.h"
#include "support/fullboard.h"

#include <QImageReader>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

// Three letters in a row at (1, 1)..(3, 1), numbers inside: a board 88 x 30 pixels.
void threeFields(int definitions)
{
    NewPuzzle();
    Puzzle.NumbersInside = true;
    for (int col = 1; col <= 3; ++col)
        SetLetter({col, 1}, std::string(1, char('A' + col - 1)));
    for (int k = 0; k < definitions; ++k) {
        TClueNumber number = MakeClueNumber(1, 1, "Wort", true);
        number.Num = k + 1;
        Puzzle.Numbers.push_back(number);
    }
}

OutputSettings settings(bool boxed, int columns)
{
    OutputSettings result;
    result.setText("Edit12", "Ein sehr langer Titel");
    result.setOn("CheckBox4", boxed);
    result.setSpin("SpinEdit1", columns);
    return result;
}

int lineHeight(int points)
{
    QImage image(1, 1, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.setFontSize(points);
    canvas.setBold(points == 24);
    return canvas.textHeight(" ");
}

} // namespace

class TestImageOutput : public QObject
{
    Q_OBJECT
private slots:
    void boardTitleAndDefinitionsPlaced()
    {
        threeFields(0);
        ImageComposition composition;
        QVERIFY(composition.Draw(settings(true, 2), false, true));
        QCOMPARE(composition.image().size(), QSize(88, 30));
        QCOMPARE(composition.image().pixel(0, 0), BoardBlack);
        QCOMPARE(composition.image().pixel(1, 1), BoardWhite);

        QVERIFY(composition.Draw(settings(true, 2), true, false));
        const QImage &picture = composition.image();
        const int titleHeight = lineHeight(24) + 30;
        QVERIFY(picture.width() > 88);
        QCOMPARE(picture.height(), titleHeight + 30);
        const int left = picture.width() / 2 - 44;
        QCOMPARE(picture.pixel(left, titleHeight), BoardBlack);
        QCOMPARE(picture.pixel(left - 1, titleHeight), BoardWhite);
        QCOMPARE(picture.pixel(left + 87, titleHeight + 29), BoardBlack);

        // Five definitions in two columns take three rows. A narrow board: the definitions are
        // 500 wide without margin, the board centred.
        threeFields(5);
        QVERIFY(composition.Draw(settings(true, 2), false, true));
        const int bottom = 30 + 50 + 3 * (lineHeight(12) + 12);
        QCOMPARE(picture.size(), QSize(500, bottom + 1));
        QCOMPARE(picture.pixel(250 - 44, 0), BoardBlack);
        QCOMPARE(picture.pixel(250 - 45, 0), BoardWhite);
        // The box: left and right edge, the bottom line running to the right edge.
        QCOMPARE(picture.pixel(0, 80), BoardBlack);
        QCOMPARE(picture.pixel(499, bottom - 1), BoardBlack);
        QCOMPARE(picture.pixel(499, bottom), BoardBlack);
        QCOMPARE(picture.pixel(1, 81), BoardWhite);
    }

    void fullPuzzleStaysWithinGifPalette()
    {
        FillFullBoard();
        ImageComposition composition;
        QVERIFY(composition.Draw(settings(true, 4), true, true));
        QSet<QRgb> colors;
        const QImage &picture = composition.image();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colors.insert(picture.pixel(x, y));
        QVERIFY(colors.size() <= 256);
    }

    void exportFormats()
    {
        threeFields(2);
        ImageComposition composition;
        QVERIFY(composition.Draw(settings(true, 2), true, true));
        const QImage colored = composition.image();
        QTemporaryDir dir;
        QString error;
        for (const char *name : {"bild.bmp", "bild.GIF", "bild.jpg", "bild.pdf"}) {
            QVERIFY2(ExportPicture(composition, dir.filePath(name), error), qPrintable(error));
            QCOMPARE(composition.image(), colored); // the .bmp export converts a copy
        }
        QImage bmp(dir.filePath("bild.bmp"));
        QCOMPARE(bmp.size(), colored.size());
        QCOMPARE(bmp.depth(), 1);
        QCOMPARE(QImage(dir.filePath("bild.GIF")).convertToFormat(QImage::Format_RGB32), colored);
        QImageReader jpeg(dir.filePath("bild.jpg"));
        QCOMPARE(jpeg.format(), QByteArray("jpeg"));
        QCOMPARE(jpeg.read().size(), colored.size());

        QVERIFY(!ExportPicture(composition, dir.filePath("bild.png"), error));
        QVERIFY(error.contains(dir.filePath("bild.png")));
        QVERIFY(!ExportPicture(composition, dir.filePath("fehlt/bild.bmp"), error));
        QVERIFY(error.contains(QStringLiteral("fehlt/bild.bmp")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    // A page (printer or PDF) shows the picture and nothing beyond it, even where a word is
    // wider than its definition column; the PDF is one page with searchable text.
    void pageOutput()
    {
        threeFields(1);
        Puzzle.Numbers[0].Text = std::string(60, 'W');
        ImageComposition composition;
        QVERIFY(composition.Draw(settings(true, 1), true, true));
        const QSize picture = composition.image().size();
        QImage page(picture.width() + 600, picture.height() + 100, QImage::Format_RGB32);
        page.fill(BoardWhite);
        QVERIFY(printComposition(composition, page));
        const QRect target = printTarget(picture, 96, 96, page.size());
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                QVERIFY(target.contains(x, y) || page.pixel(x, y) == BoardWhite);

        QTemporaryDir dir;
        QPdfWriter unwritable(dir.filePath("fehlt/bild.pdf"));
        QVERIFY(!printComposition(composition, unwritable));
        QString error;
        QVERIFY(ExportPicture(composition, dir.filePath("bild.pdf"), error));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {dir.filePath("bild.pdf")});
        QVERIFY(info.waitForFinished());
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY(infoText.contains(QRegularExpression(QStringLiteral("\nPages: +1\n"))));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {dir.filePath("bild.pdf"), QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().contains("Ein sehr langer Titel"));
    }
};

QTEST_MAIN(TestImageOutput)
#include "tst_imageoutput.moc"
