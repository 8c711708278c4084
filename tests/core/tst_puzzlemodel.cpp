#include "core/puzzle.h"
#include "support/fakeboardview.h"

#include <QTest>

using namespace gs;

class TestPuzzleModel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
    }

    void newPuzzleEmptiesTheDocumentAndTheView()
    {
        SetLetter({3, 3}, "A");
        Puzzle.Numbers.push_back(MakeClueNumber(3, 3, "x", true));
        Puzzle.FieldSize = 44;
        Puzzle.StartField = SelectedField = {3, 3};
        FakeBoardView view;
        view.numbersInside = true;
        view.scroll = QPoint(20, 40);
        NewPuzzle();
        QCOMPARE(BoardCols() + BoardRows(), 0);
        QCOMPARE(SelectedField, (TPoint{-1, -1}));
        QCOMPARE(Puzzle.FieldSize, 30);
        QCOMPARE(Puzzle.BorderWidth, 1);
        QVERIFY(Puzzle.Numbers.empty());
        QCOMPARE(Puzzle.Infos, std::string(" - Felderquiz"));
        QVERIFY(IsNoField(Puzzle.StartField));
        QCOMPARE(view.scroll, QPoint(0, 0));
        QCOMPARE(view.solutionModeResets, 1);
        QCOMPARE(view.outputResets, 1);
    }

    void selectFieldCreatesAndRemovesProvisionalFields()
    {
        SelectField({3, 2});
        QCOMPARE(GetLetter({3, 2}), std::string(" "));
        QVERIFY(Modified);
        QCOMPARE(SelectedField, (TPoint{3, 2}));

        SelectField({3, 2}); // the same position twice keeps it
        QCOMPARE(GetLetter({3, 2}), std::string(" "));

        SelectField({5, 5}); // leaving a blank field removes it
        QCOMPARE(GetLetter({3, 2}), std::string());
        QCOMPARE(GetLetter({5, 5}), std::string(" "));

        SelectField({2, 2});
        Modified = false;
        SelectField({0, 3}); // off the board: the selection goes, nothing is created
        QVERIFY(!Modified);
        QCOMPARE(GetLetter({2, 2}), std::string());
        QVERIFY(IsNoField(SelectedField));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleModel)
#include "tst_puzzlemodel.moc"
