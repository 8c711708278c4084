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
};

QTEST_GUILESS_MAIN(TestPuzzleSnapshot)
#include "tst_puzzlesnapshot.moc"
