#include "assistant/wordfitting.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "support/placefield.h"
#include "support/referencefitting.h"
#include "support/scriptedprompt.h"

#include <QRandomGenerator>
#include <QTest>

using namespace gs;
using Words = std::vector<std::string>;

// The word-fitting engine on prepared boards and against the reference on random ones.
class TestWordFitting : public QObject
{
    Q_OBJECT

    // A new puzzle with the given words laid horizontally.
    static void prepare(std::initializer_list<std::pair<TPoint, const char *>> laid)
    {
        NewPuzzle();
        for (const auto &[p, letters] : laid)
            PlaceWord(p, true, letters);
    }

private slots:
    void fitsTheExamples()
    {

        prepare({});
        QVERIFY(FitWords(words = {"affe", "KATZE", "esel"}, true).empty());
        QCOMPARE(BoardPicture({10, 10}), "KATZE/.F..S/.F..E/.E..L");
        QVERIFY((Puzzle.Numbers
                 == std::vector<TClueNumber>{
                         {1, 10, 10, "", true}, {2, 14, 10, "", false}, {3, 11, 10, "", false}}));

        ScriptedPrompt prompt;
        prepare({{{3, 5}, "BAUM"}});
        AddNumber({3, 5}, true);
        QVERIFY(FitWords(words = {"baum"}, true).empty());
        QCOMPARE(Puzzle.Numbers.size(), size_t(1));
        QCOMPARE(prompt.lastText(), "An dieser Stelle ist bereits eine Nummer vorhanden!");
        QVERIFY(FitWords(words = {"BAUMHAUS"}, false).empty());
        QCOMPARE(BoardPicture({3, 5}), "BAUMHAUS");
    }

    void choosesAndRefusesByTheRules()
    {
        prepare({{{5, 5}, "A"}});
        FitWords(words = {"AB"}, false);
        QCOMPARE(BoardPicture({5, 5}), "AB");
        // AB may not overwrite the X of a crossing word, so it runs down.
        prepare({{{5, 5}, "XB"}});
        FitWords(words = {"AB"}, false);
        QCOMPARE(BoardPicture({5, 4}), ".A/XB");
        // No letter left of column 1, above row 1, beyond column 50 or row 40.
        prepare({{{2, 3}, "E"}, {{48, 38}, "Q"}});
        QCOMPARE(FitWords(words = {"KATZE", "QXXX"}, false), (Words{"QXXX", "KATZE"}));
        QCOMPARE(BoardCols() * 100 + BoardRows(), 4838);

        // A and B fit nowhere: the passes try A, B, A and never C. Lower-case board letters never
        // match; an empty entry is never placed.
        prepare({{{10, 10}, "KATZE"}, {{1, 1}, "zoo"}});
        QCOMPARE(FitWords(words = {"QQQQQ", "XXXX", "ZOO"}, false),
                 (Words{"QQQQQ", "XXXX", "ZOO"}));
        QCOMPARE(FitWords(words = {"zoo", "", "qqq"}, false), (Words{"QQQ", ""}));
        QCOMPARE(BoardPicture({10, 10}), "KATZE/...O./...O.");
    }

    void placesAsTheReferenceDoes()
    {
        ScriptedPrompt prompt;
        const char letters[] = "ABCDEab- ";
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator rng(seed);
            NewPuzzle();
            const int density = rng.bounded(4) * 5, cols = rng.bounded(53), rows = rng.bounded(43);
            for (int col = 1; col <= cols; ++col)
                for (int row = 1; row <= rows; ++row)
                    if (rng.bounded(100) < density)
                        SetLetter({col, row}, std::string(1, letters[rng.bounded(9)]));
            for (int i = rng.bounded(4); i > 0; --i)
                AddNumber({1 + rng.bounded(50), 1 + rng.bounded(40)}, rng.bounded(2) == 0);
            Words list(size_t(1 + rng.bounded(15)));
            for (std::string &w : list)
                for (int k = rng.bounded(8); k > 0; --k)
                    w += letters[rng.bounded(7)];
            const bool withNumbers = rng.bounded(2) == 0;
            const TCrossWordPuzzle before = Puzzle;
            Words expected = list;
            ReferenceFitWords(expected, withNumbers);
            const TCrossWordPuzzle reference = Puzzle;
            Puzzle = before;
            QVERIFY2(FitWords(list, withNumbers) == expected && Puzzle.Board == reference.Board
                             && Puzzle.Numbers == reference.Numbers,
                     qPrintable(QString::number(seed)));
        }
    }

private:
    Words words;
};

QTEST_GUILESS_MAIN(TestWordFitting)
#include "tst_wordfitting.moc"
