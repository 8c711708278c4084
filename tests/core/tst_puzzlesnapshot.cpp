#include "core/puzzle.h"
#include "core/puzzlesnapshot.h"
#include "support/fullboard.h"

#include <QTest>

using namespace gs;

class TestPuzzleSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void restoresTheWholePuzzle()
    {
        FillFullBoard();
        Puzzle.Numbers.front().Text = std::string(300, 'x');
        Puzzle.StartField = {3, 4};
        Puzzle.Infos = "Edit12#13#Titel^10^";
        const TCrossWordPuzzle before = Puzzle;
        const PuzzleSnapshot snapshot = PuzzleSnapshot::capture(Puzzle);

        SetLetter({50, 40}, "Q");
        Puzzle.Numbers.pop_back();
        Puzzle.Board.emplace_back(41); // a column added by shifting right
        QVERIFY(!snapshot.matches(Puzzle));
        Puzzle = snapshot.puzzle();
        QVERIFY(snapshot.matches(Puzzle));
        QVERIFY(Puzzle.Board == before.Board);
        QVERIFY(Puzzle.Numbers == before.Numbers);
        QCOMPARE(Puzzle.Infos, before.Infos);
        QCOMPARE(Puzzle.StartField.X, 3);
    }

    void sharesWhatDidNotChange()
    {
        FillFullBoard();
        const PuzzleSnapshot first = PuzzleSnapshot::capture(Puzzle);
        const PuzzleSnapshot same = PuzzleSnapshot::capture(Puzzle, &first);
        SetLetter({7, 7}, "Z");
        const PuzzleSnapshot oneLetter = PuzzleSnapshot::capture(Puzzle, &same);

        const size_t whole = first.bytesBeyond(nullptr);
        const size_t column = sizeof(std::vector<TBoardField>) + 41 * sizeof(TBoardField);
        QVERIFY(whole > 50 * column);
        QVERIFY(same.bytesBeyond(&first) < column);
        QVERIFY(oneLetter.bytesBeyond(&same) < 2 * column);
        QVERIFY(oneLetter.matches(Puzzle));
        QVERIFY(!same.matches(Puzzle));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleSnapshot)
#include "tst_puzzlesnapshot.moc"
