#include "core/canvas.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "support/fakeboardview.h"
#include "support/placefield.h"

#include <QImage>
#include <QTest>

#include <climits>

using namespace gs;

namespace {

const TBoardField Block{"-", false, false, false, false, 0, true};

bool anyPixel(const QImage &image, const QRect &area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color)
                return true;
    return false;
}

// A white picture after draw(canvas).
template<typename F>
QImage drawn(F draw)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(BoardWhite);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image;
}

QImage drawnFields(std::initializer_list<TPoint> fields)
{
    return drawn([&](Canvas &canvas) {
        for (TPoint p : fields)
            DrawField(canvas, p);
    });
}

void addNumber(int col, int row, bool hor)
{
    Puzzle.Numbers.push_back({int(Puzzle.Numbers.size()) + 1, col, row, "", hor});
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void init() { NewPuzzle(); }

    void geometryAndSizes()
    {
        QCOMPARE(FieldRect({2, 1}), (TRect{29, 0, 59, 30}));
        QCOMPARE(PixelToField(29, 1), (TPoint{1, 1}));
        QCOMPARE(PixelToField(30, 1), (TPoint{2, 1}));
        QVERIFY(IsNoField(PixelToField(-5, 40)));
        QCOMPARE(rnd(12.5) * 100 + rnd(13.5), 1214);
        const QList<QList<int>> sizes{{25, 12, 7, 6}, {50, 23, 13, 11}};
        for (const QList<int> &s : sizes) {
            QCOMPARE(LetterFontSize(s[0]), s[1]);
            QCOMPARE(NumberFontSize(s[0]), s[2]);
            QCOMPARE(SolutionNumberFontSize(s[0]), s[3]);
        }
    }

    void absurdSizesDrawNothing()
    {
        PlaceField({2, 2}, {"A", false, false, false, false, 1});
        addNumber(2, 2, true);
        for (int fs : {1, 0, -7, 5000}) {
            Puzzle.FieldSize = fs;
            QCOMPARE(PixelToField(10, 10), (TPoint{0, 0}));
            QCOMPARE(PuzzleBounds(), TRect{});
            QCOMPARE(SolutionNumberOffset(), (TPoint{0, 0}));
            RedrawBoard();
            QCOMPARE(BoardImage().size(), QSize(50, 50));
            QVERIFY(!anyPixel(BoardImage(), BoardImage().rect(), BoardBlack));
        }
        // Positions from a damaged file neither overflow nor blow up the image.
        Puzzle.FieldSize = 30;
        addNumber(INT_MIN, INT_MAX, true);
        addNumber(INT_MAX, INT_MIN, false);
        RedrawBoard();
        QCOMPARE(BoardImage().size(), QSize(59 + 50, 59 + 50));
    }

    void frameBlockLetterAndSeparator()
    {
        PlaceField({2, 1}, {"A"});
        PlaceField({3, 1}, Block);
        PlaceField({4, 1}, {"-"});
        const QImage image = drawnFields({{2, 1}, {3, 1}, {4, 1}});
        QCOMPARE(image.pixel(29, 15), BoardBlack);
        QCOMPARE(image.pixel(28, 15), BoardWhite);
        QCOMPARE(image.pixel(40, 29), BoardBlack);
        QCOMPARE(image.pixel(40, 30), BoardWhite);
        QVERIFY(anyPixel(image, QRect(35, 5, 18, 20), BoardBlack));  // the letter
        QCOMPARE(image.pixel(72, 15), BoardBlack);                   // the block
        QVERIFY(!anyPixel(image, QRect(89, 2, 26, 26), BoardBlack)); // "-" stays blank

        FakeBoardView view;
        view.letters = false;
        QVERIFY(!anyPixel(drawnFields({{2, 1}}), QRect(31, 2, 26, 26), BoardBlack));

        // A left separator of width 3 around the shared frame line x = 29: pixels 25..31.
        PlaceField({2, 1}, {"-", true});
        Puzzle.BorderWidth = 3;
        const QImage separator = drawnFields({{2, 1}});
        QCOMPARE(separator.pixel(24, 15), BoardWhite);
        QCOMPARE(separator.pixel(25, 15), BoardBlack);
        QCOMPARE(separator.pixel(31, 15), BoardBlack);
        QCOMPARE(separator.pixel(32, 15), BoardWhite);
    }

    void numbersInsideAndOutside()
    {
        PlaceField({2, 2}, Block);
        PlaceField({3, 2}, {"A"});
        PlaceField({2, 3}, {"B"});
        addNumber(3, 2, true);  // left of it the block: white
        addNumber(2, 3, false); // above it the block: white
        addNumber(3, 2, false); // above it nothing: black

        int th = 0;
        int tw = 0; // digits share one width
        const QImage outside = drawn([&](Canvas &canvas) {
            for (TPoint p : {TPoint{2, 2}, TPoint{3, 2}, TPoint{2, 3}})
                DrawField(canvas, p);
            for (const TClueNumber &number : Puzzle.Numbers)
                DrawNumber(canvas, number);
            canvas.setFontSize(8);
            canvas.setBold(true);
            th = canvas.textHeight("1");
            tw = canvas.textWidth("2");
        });
        // Number 1: horizontal tick x 43..52 in the block left of (3, 2), white.
        const int y0 = 29 + 15 + th / 2 + 3;
        QCOMPARE(outside.pixel(52, y0), BoardWhite);
        QCOMPARE(outside.pixel(43, y0 + 1), BoardBlack);
        // Number 2: vertical tick y 41..53 in the block above (2, 3), white.
        const int x2 = 29 + 15 + tw / 2 + 3;
        QCOMPARE(outside.pixel(x2, 53), BoardWhite);
        QCOMPARE(outside.pixel(x2 + 1, 45), BoardBlack);
        // Number 3: vertical tick y 12..24 above (3, 2), outside any field, black.
        const int x3 = 58 + 15 + tw / 2 + 3;
        QCOMPARE(outside.pixel(x3, 24), BoardBlack);
        QCOMPARE(outside.pixel(x3, 25), BoardWhite);
        QCOMPARE(outside.pixel(x3 + 1, 18), BoardWhite);
    }

    void redrawSizesRasterSelectionAndFrame()
    {
        FakeBoardView view;
        view.scroll = QPoint(20, 10);
        view.warning = "alt";
        PlaceField({2, 2}, {"A"});
        PlaceField({3, 2}, {" "});
        SelectedField = {2, 2};
        RedrawBoard();
        QCOMPARE(BoardImage().size(), QSize(88 + 400 + 20 + 50, 59 + 300 + 10 + 50));
        QCOMPARE(view.imageChanges, 1);
        QVERIFY(view.warning.isEmpty());
        QCOMPARE(BoardImage().pixel(29, 40), SelectionBlue);
        QCOMPARE(BoardImage().pixel(290, 100), BoardWhite);

        // The solution frame is the same from either end.
        Puzzle.StartField = {2, 2};
        Puzzle.EndField = {3, 2};
        RedrawBoard();
        const QImage forward = BoardImage();
        QCOMPARE(forward.pixel(88, 40), BoardBlack);
        QCOMPARE(forward.pixel(27, 40), BoardWhite);
        std::swap(Puzzle.StartField, Puzzle.EndField);
        RedrawBoard();
        QCOMPARE(BoardImage(), forward);
    }

    void puzzleBounds()
    {
        for (int col = 2; col <= 4; ++col)
            SetLetter({col, 3}, "A");
        addNumber(2, 3, false);
        QCOMPARE(PuzzleBounds(), (TRect{0, 29, 117, 88}));
        Puzzle.NumbersInside = true;
        QCOMPARE(PuzzleBounds(), (TRect{29, 58, 117, 88}));
        // Separators of width 3 at the outer edges, then the solution frame around them.
        Puzzle.BorderWidth = 3;
        FieldAt({2, 3}).BorderLeft = FieldAt({4, 3}).BorderRight = true;
        QCOMPARE(PuzzleBounds(), (TRect{29 - 1 - 1, 58 - 1, 117 + 1 + 1, 88 + 1}));
        Puzzle.StartField = {2, 3};
        Puzzle.EndField = {4, 3};
        QCOMPARE(PuzzleBounds(), (TRect{29 - 1 - 2, 58 - 1 - 2, 117 + 1 + 2, 88 + 1 + 2}));
    }
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
