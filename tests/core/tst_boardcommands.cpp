#include "core/boardcommands.h"
#include "core/boardediting.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "support/fakeboardview.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"

#include <QTest>

#include <optional>

using namespace gs;

namespace {

// The numbers as "num:col,row,h|v" in list order.
QString numbers()
{
    QStringList list;
    for (const TClueNumber &n : Puzzle.Numbers)
        list << QString::asprintf("%d:%d,%d%c", n.Num, n.Col, n.Row, n.Hor ? 'h' : 'v');
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestBoardCommands : public QObject
{
    Q_OBJECT

    // Fresh for every test: each installs itself when made.
    std::optional<FakeBoardView> m_view;
    std::optional<ScriptedPrompt> m_prompt;

private slots:
    void init()
    {
        m_view.emplace();
        m_prompt.emplace();
        NewPuzzle();
        Modified = false;
    }

    void autoNumbering()
    {
        m_view->numbersInside = true;
        PlaceWord({2, 2}, true, "HAUS");
        PlaceWord({2, 2}, false, "HUND");
        PlaceWord({6, 5}, true, "AB"); // a 2 x 2 square gets no number
        PlaceWord({6, 6}, true, "CD");
        PlaceWord({8, 1}, false, "XY"); // row 1, numbers inside
        AutoNumber();
        QCOMPARE(numbers(), "1:2,2h 2:2,2v 3:8,1v");

        // Outside, column 1 and row 1 take no number; existing numbers stay in front.
        m_view->numbersInside = false;
        PlaceWord({1, 9}, true, "EF");
        PlaceWord({4, 8}, false, "GH");
        Puzzle.Numbers = {{1, 4, 8, "", false}};
        PlaceWord({3, 10}, false, "IJ");
        AutoNumber();
        QCOMPARE(numbers(), "1:4,8v 2:2,2h 3:2,2v 4:3,10v");
    }

    void renumberingKeepsDefinitions()
    {
        PlaceWord({2, 2}, true, "HAUS");
        PlaceWord({2, 6}, true, "BAUM");
        PlaceWord({5, 2}, false, "SEE");
        AutoNumber();
        for (TClueNumber &n : Puzzle.Numbers)
            n.Text = ReadWord(n) + "?";
        Puzzle.Numbers.push_back({4, 9, 9, "weg", true}); // at no word start: dropped
        PlaceWord({3, 4}, false, "TO");                   // a word in the middle
        RenumberKeepingDefinitions();
        QCOMPARE(numbers(), "1:2,2h 2:2,6h 3:3,4v 4:5,2v");
        for (const TClueNumber &n : Puzzle.Numbers)
            QCOMPARE(n.Text, n.Num == 3 ? std::string() : ReadWord(n) + "?");
    }

    void fitWord_data()
    {
        QTest::addColumn<QString>("board"); // vertical words "col,row,letters"
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("column"); // column 5, rows 1..8 afterwards
        QTest::addColumn<QString>("message");
        const char *rows[][5]
                = {{"first T", "", "tante", "...TANTE", ""},
                   {"second T", "5,6,X", "tante", "TANTEX..", ""},
                   {"both collide", "5,2,Q;5,6,X", "tante", ".Q.T.X..", "Felder überschreiben"},
                   {"letter missing", "", "haus", "...T....", "Fehler"},
                   {"beyond the edge", "", "kabelt", "...T....", "Fehler"},
                   {"cancelled", "", "", "...T....", ""}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]) << QString(r[3]) << QString(r[4]);
    }

    void fitWord()
    {
        QFETCH(QString, board);
        QFETCH(QString, word);
        QFETCH(QString, column);
        QFETCH(QString, message);
        for (const QString &item : board.split(';', Qt::SkipEmptyParts)) {
            const QStringList parts = item.split(',');
            PlaceWord({parts[0].toInt(), parts[1].toInt()}, false, parts[2].toStdString());
        }
        SetLetter({5, 4}, "T");
        SelectedField = {5, 4};
        if (!word.isEmpty())
            m_prompt->texts << word;
        m_prompt->answers << Prompt::Answer::No;
        FitWord();
        std::string shown;
        for (int row = 1; row <= 8; ++row)
            shown += GetLetter({5, row}).empty() ? "." : GetLetter({5, row});
        QCOMPARE(QString::fromStdString(shown), column);
        QCOMPARE(m_prompt->lastCaption(), message);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
    }

    void fitWordRefusals()
    {
        SetLetter({3, 3}, "-");
        SelectedField = {3, 3};
        m_prompt->texts << "tor";
        FitWord(); // an empty field holds no letter of any word
        QCOMPARE(m_prompt->lastText(),
                 "Das eingegebene Wort beinhaltet den Buchstaben im markierten Feld nicht!");
        PlaceWord({2, 3}, true, "A-B");
        PlaceWord({3, 2}, false, "C-D");
        FitWord();
        QCOMPARE(m_prompt->lastText(), "An dieser Stelle kann kein Wort eingefügt werden!");
        SelectedField = {-1, -1};
        FitWord();
        QCOMPARE(m_prompt->lastText(), "Es ist kein Feld markiert!");
        QVERIFY(!Modified);
    }

    void emptyFields()
    {
        PlaceWord({2, 2}, true, "A- ");
        Puzzle.Numbers = {{1, 3, 2, "", true}};
        const TCrossWordPuzzle before = Puzzle;
        Modified = false;
        QVERIFY(!DeleteEmptyFields());
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Hinweis"));
        QCOMPARE(Puzzle.Board, before.Board);
        QVERIFY(!Modified);
    }

    void insertGridAtTheEdges()
    {
        QVERIFY(InsertGrid({49, 1}, 1, 2, false));
        QVERIFY(InsertGrid({1, 39}, 2, 1, true));
        QCOMPARE(BoardCols() * 100 + BoardRows(), 5040);
        QVERIFY(GetField({1, 40}).Block && GetLetter({50, 1}) == "-");
        QCOMPARE(GetLetter({2, 40}), ""); // the grown area outside the grid stays empty
        Modified = false;
        QVERIFY(!InsertGrid({49, 1}, 1, 3, false));
        QVERIFY(!InsertGrid({1, 40}, 2, 1, false));
        QCOMPARE(m_prompt->lastText(),
                 "Das Gitter kann nicht eingefügt werden, da es über die "
                 "Feldbegrenzung hinaus geht!");
        QVERIFY(!Modified);
    }
};

QTEST_GUILESS_MAIN(TestBoardCommands)
#include "tst_boardcommands.moc"
