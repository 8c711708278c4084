#include "assistant/wordfitting.h"
#include "core/numbering.h"
#include "core/puzzle.h"
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

    // A new puzzle holding the given words: {column, row, horizontal, letters}.
    struct Laid
    {
        int col;
        int row;
        bool hor;
        const char *letters;
    };
    static void prepare(std::initializer_list<Laid> laid)
    {
        NewPuzzle();
        for (const Laid &w : laid)
            for (int k = 0; w.letters[k]; ++k)
                SetLetter(w.hor ? TPoint{w.col + k, w.row} : TPoint{w.col, w.row + k},
                          std::string(1, w.letters[k]));
    }
    // The board from (col, row) to its end, one text per row, '.' where no letter stands.
    static QStringList picture(int fromCol, int fromRow)
    {
        QStringList rows;
        for (int row = fromRow; row <= BoardRows(); ++row) {
            QString text;
            for (int col = fromCol; col <= BoardCols(); ++col) {
                const std::string letter = GetLetter({col, row});
                text += letter.empty() ? QChar('.') : QChar(letter[0]);
            }
            rows << text;
        }
        return rows;
    }
    static QString numbers()
    {
        QString text;
        for (const TClueNumber &n : Puzzle.Numbers)
            text += QStringLiteral("%1:%2,%3%4 ")
                            .arg(n.Num)
                            .arg(n.Col)
                            .arg(n.Row)
                            .arg(n.Hor ? 'h' : 'v');
        return text.trimmed();
    }

private slots:
    void sortsAsTheQuicksortDoes()
    {
        Words words{"AA", "BB", "CCC", "DD"};
        sortByLength(words);
        QCOMPARE(words, (Words{"CCC", "DD", "AA", "BB"}));
    }

    void fitsOntoAnEmptyBoardWithNumbers()
    {
        prepare({});
        Words words{"affe", "KATZE", "esel"};
        QVERIFY(FitWords(words, true).empty());
        QCOMPARE(picture(10, 10), (QStringList{"KATZE", ".F..S", ".F..E", ".E..L"}));
        QCOMPARE(numbers(), QStringLiteral("1:10,10h 2:14,10v 3:11,10v"));

        prepare({});
        words = {"", ""};
        QCOMPARE(FitWords(words, true), (Words{"", ""}));
        QVERIFY(IsBoardEmpty() && Puzzle.Numbers.empty());
    }

    void laysOverWordsAlreadyThere()
    {
        ScriptedPrompt prompt;
        prepare({{3, 5, true, "BAUM"}});
        QVERIFY(AddNumber({3, 5}, true));
        Words words{"baum"};
        QVERIFY(FitWords(words, true).empty());
        QCOMPARE(picture(3, 5), QStringList{"BAUM"});
        QCOMPARE(numbers(), QStringLiteral("1:3,5h"));
        QCOMPARE(prompt.lastText(),
                 QStringLiteral("An dieser Stelle ist bereits eine Nummer vorhanden!"));

        words = {"BAUMHAUS"};
        QVERIFY(FitWords(words, false).empty());
        QCOMPARE(picture(3, 5), QStringList{"BAUMHAUS"});
    }

    void choosesAmongCandidatesByTheRules()
    {
        // Equal scores: horizontal first.
        prepare({{5, 5, true, "A"}});
        Words words{"AB"};
        FitWords(words, false);
        QCOMPARE(picture(5, 5), QStringList{"AB"});
        // The first letter must match too: AB may not overwrite the X, so it runs down.
        prepare({{5, 5, true, "XB"}});
        FitWords(words = {"AB"}, false);
        QCOMPARE(picture(5, 4), (QStringList{".A", "XB"}));
        // No letter before column 1 or row 1, none beyond column 50 or row 40.
        prepare({{2, 3, true, "E"}, {48, 38, true, "Q"}});
        QCOMPARE(FitWords(words = {"KATZE", "QXXX"}, false), (Words{"QXXX", "KATZE"}));
        QCOMPARE(BoardCols(), 48);
        QCOMPARE(BoardRows(), 38);
    }

    void handsBackWhatFitsNowhere()
    {
        prepare({{10, 10, true, "KATZE"}, {1, 1, true, "zoo"}});
        // A and B fit nowhere: the passes try A, B, A and never the fitting C.
        Words words{"QQQQQ", "XXXX", "ZOO"};
        QCOMPARE(FitWords(words, false), (Words{"QQQQQ", "XXXX", "ZOO"}));
        QCOMPARE(picture(10, 10), QStringList{"KATZE"});
        // Lower case letters on the board never match; an empty entry is never placed.
        QCOMPARE(FitWords(words = {"zoo", "", "qqq"}, false), (Words{"QQQ", ""}));
        QCOMPARE(picture(10, 10), (QStringList{"KATZE", "...O.", "...O."}));
    }

    void placesAsTheReferenceDoes()
    {
        ScriptedPrompt prompt;
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator rng(seed);
            NewPuzzle();
            const int density = rng.bounded(4) * 5;
            const char letters[] = "ABCDEab- ";
            const int cols = rng.bounded(53);
            const int rows = rng.bounded(43);
            for (int col = 1; col <= cols; ++col)
                for (int row = 1; row <= rows; ++row)
                    if (rng.bounded(100) < density)
                        SetLetter({col, row}, std::string(1, letters[rng.bounded(9)]));
            for (int i = rng.bounded(4); i > 0; --i)
                AddNumber({1 + rng.bounded(50), 1 + rng.bounded(40)}, rng.bounded(2) == 0);
            Words words(size_t(1 + rng.bounded(15)));
            for (std::string &w : words)
                for (int k = rng.bounded(8); k > 0; --k)
                    w += letters[rng.bounded(7)];
            const bool withNumbers = rng.bounded(2) == 0;
            const TCrossWordPuzzle before = Puzzle;

            Words expected = words;
            ReferenceFitWords(expected, withNumbers);
            const TCrossWordPuzzle reference = Puzzle;
            Puzzle = before;
            FitWords(words, withNumbers);
            QVERIFY2(words == expected && Puzzle.Board == reference.Board
                             && Puzzle.Numbers == reference.Numbers,
                     qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }
};

QTEST_GUILESS_MAIN(TestWordFitting)
#include "tst_wordfitting.moc"
