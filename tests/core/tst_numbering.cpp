#include "core/numbering.h"
#include "core/puzzle.h"
#include "support/fakeboardview.h"
#include "support/scriptedprompt.h"

#include <QTest>

using namespace gs;

namespace {

QList<int> nums()
{
    QList<int> result;
    for (const auto &n : Puzzle.Numbers)
        result.append(n.Num);
    return result;
}

void setSolution(TPoint p, const std::string &letter, int n)
{
    SetLetter(p, letter);
    FieldAt(p).SolutionNumber = n;
}

} // namespace

class TestNumbering : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
    }

    void addingAppendsWhateverThePosition()
    {
        ScriptedPrompt prompt;
        QVERIFY(AddNumber({9, 9}, true) && AddNumber({2, 2}, false) && AddNumber({5, 1}, true));
        QCOMPARE(nums(), (QList<int>{1, 2, 3}));
        QCOMPARE(FindVerNumber({2, 2}).Num, 2);
        QVERIFY(Modified);
        QVERIFY(!NumbersFitOutside()); // row 1

        Modified = false;
        QVERIFY(!AddNumber({9, 9}, true));
        QCOMPARE(prompt.lastText(),
                 QStringLiteral("An dieser Stelle ist bereits eine Nummer vorhanden!"));
        QCOMPARE(nums(), (QList<int>{1, 2, 3}));
        QVERIFY(!Modified);
    }

    void deletingRenumbers()
    {
        Puzzle.Numbers
                = {{1, 2, 2, "eins", true}, {2, 4, 2, "zwei", false}, {3, 6, 2, "drei", true}};
        DeleteNumber(Puzzle.Numbers[1]);
        QCOMPARE(nums(), (QList<int>{1, 2}));
        QCOMPARE(FindHorNumber({6, 2}).Text, std::string("drei"));
        QVERIFY(Modified);

        // Lists from files may hold other numbers: the entry is found by its number.
        Puzzle.Numbers = {{5, 2, 2, "", true}, {9, 3, 2, "", true}, {7, 4, 2, "", true}};
        DeleteNumber({9, 0, 0, "", true});
        QCOMPARE(nums(), (QList<int>{5, 2}));
        QCOMPARE(Puzzle.Numbers[1].Col, 4);
        Modified = false;
        DeleteNumber({4, 0, 0, "", true}); // names no entry
        DeleteNumber({-3, 0, 0, "", true});
        QCOMPARE(nums(), (QList<int>{5, 2}));
        QVERIFY(!Modified);
    }

    void overlapWarningOnlyInside()
    {
        FakeBoardView view;
        Puzzle.Numbers = {{1, 3, 3, "", true},
                          {2, 5, 5, "", true},
                          {3, 3, 3, "", false},
                          {0, 5, 5, "", false}};
        CheckNumberOverlap({3, 3});
        QVERIFY(view.warning.isEmpty()); // outside, the two numbers go to different sides
        view.numbersInside = true;
        CheckNumberOverlap({5, 5}); // a stored number 0 is not counted
        QVERIFY(view.warning.isEmpty());
        CheckNumberOverlap({3, 3});
        QCOMPARE(view.warning,
                 QStringLiteral("Im Feld mit der Nummer 3 überlagern sich zwei Nummern!"));
    }

    void distributedSolutionWord()
    {
        FakeBoardView view;
        setSolution({4, 1}, "T", 3);
        setSolution({2, 6}, "K", 1);
        setSolution({6, 6}, "", 5); // no letter: a blank
        setSolution({7, 6}, "L", -4);
        setSolution({8, 6}, "L", 2000000000);
        UpdateSolutionWord();
        QCOMPARE(view.solutionWord, QStringLiteral("K-T- "));
        setSolution({9, 6}, "\xC4", MaxSolutionNumber);
        UpdateSolutionWord();
        QCOMPARE(view.solutionWord.size(), MaxSolutionNumber);
        QCOMPARE(view.solutionWord.back(), QChar(0xC4));
        QVERIFY(view.warning.isEmpty());

        setSolution({1, 1}, "A", 3);
        UpdateSolutionWord();
        QCOMPARE(view.warning,
                 QStringLiteral("Ein Feld mit der Lösungsnummer 3 ist mehrfach vorhanden!"));
        QCOMPARE(view.solutionWord.size(), MaxSolutionNumber); // the previous word stays
    }

    void solutionFrameStaysStraight()
    {
        FakeBoardView view;
        Puzzle.StartField = {2, 2};
        Puzzle.EndField = {6, 2};
        CheckSolutionFrame();
        QCOMPARE(Puzzle.StartField, (TPoint{2, 2}));
        view.startText = QStringLiteral("A");
        Puzzle.EndField = SelectedField = {6, 4}; // the end set diagonally clears the start
        CheckSolutionFrame();
        QCOMPARE(Puzzle.StartField, (TPoint{0, 0}));
        QVERIFY(view.startText.isEmpty());
        view.endText = QStringLiteral("B");
        Puzzle.StartField = SelectedField = {3, 3}; // the start set diagonally clears the end
        CheckSolutionFrame();
        QCOMPARE(Puzzle.EndField, (TPoint{0, 0}));
        QVERIFY(view.endText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNumbering)
#include "tst_numbering.moc"
