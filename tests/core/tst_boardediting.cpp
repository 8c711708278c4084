#include "core/boardediting.h"
#include "core/puzzle.h"
#include "support/fakeboardview.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"

#include <QTest>

using namespace gs;

class TestBoardEditing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
    }

    void insertionAtTheBoardEdges()
    {
        ScriptedPrompt prompt;
        FakeBoardView view;
        InsertWord({46, 1}, true, "ABCDE");
        InsertWord({1, 36}, false, "VWXYZ");
        QCOMPARE(GetLetter({50, 1}) + GetLetter({1, 40}), std::string("EZ"));
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(view.scrollChecks, 2);

        Modified = false;
        InsertWord({47, 2}, true, "ABCDE");
        InsertWord({2, 37}, false, "ABCDE");
        InsertWord({-1, -1}, true, "A");
        QCOMPARE(prompt.shown.size(), 3);
        for (const auto &shown : prompt.shown) {
            QCOMPARE(shown.caption, QStringLiteral("Fehler"));
            QCOMPARE(shown.text,
                     QStringLiteral("Das Wort kann nicht eingefügt werden, da es über die "
                                    "Feldbegrenzung hinaus geht!"));
        }
        QCOMPARE(BoardCols() * 100 + BoardRows(), 5040);
        QVERIFY(!Modified);
    }

    void collisionsAndTheOverwriteQuestion()
    {
        PlaceWord({3, 3}, true, "HX a");
        QVERIFY(!WordCollides({3, 3}, true, "QX"));   // the first letter is never compared
        QVERIFY(!WordCollides({3, 3}, true, "HXYa")); // a blank field is free
        QVERIFY(WordCollides({3, 3}, true, "HXYA"));  // case matters
        QVERIFY(WordCollides({3, 3}, true, "HA"));

        ScriptedPrompt prompt;
        PlaceWord({3, 3}, true, "HXYZ");
        FieldAt({4, 3}).BorderTop = true;
        prompt.answers << Prompt::Answer::No << Prompt::Answer::Yes;
        InsertWord({3, 3}, true, "HAUS");
        QCOMPARE(BoardPicture({3, 3}, {6, 3}), std::string("HXYZ"));
        QVERIFY(!Modified);
        InsertWord({3, 3}, true, "HAUS");
        QCOMPARE(BoardPicture({3, 3}, {6, 3}), std::string("HAUS"));
        QVERIFY(Modified);
        QVERIFY(GetField({4, 3}).BorderTop); // only letters change

        QCOMPARE(prompt.shown.size(), 2); // once per insertion despite three clashes
        QCOMPARE(prompt.lastCaption(), QStringLiteral("Felder überschreiben"));
        QCOMPARE(prompt.lastText(),
                 QStringLiteral("Das einzufügende Wort überschneidet sich mit anderen Feldern. "
                                "Sollen diese Felder überschrieben werden?"));
        QCOMPARE(prompt.shown.last().buttons, Prompt::Buttons::YesNo);
    }

    void askWordValidatesInput()
    {
        ScriptedPrompt prompt;
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString tooLong = QStringLiteral("Wort darf nur maximal 20 Zeichen enthalten!");
        const QString blank = QStringLiteral("Leerzeichen in Wort nicht erlaubt!");
        const QString unusable
                = QStringLiteral("Das Wort enthält Zeichen, die nicht verwendet werden können!");
        // entered text, word expected, message expected
        const QList<std::tuple<QString, std::string, QString>> cases
                = {{QStringLiteral("häuser"), "H\xC4USER", {}},
                   {QString(21, 'a'), "", tooLong},
                   {QStringLiteral("zwei worte"), "", blank},
                   {QString(19, 'a') + emoji, "", unusable}, // the emoji counts as one character
                   {QStringLiteral("A\tB"), "", unusable}};
        for (const auto &[entered, expected, message] : cases) {
            prompt.shown.clear();
            prompt.texts.enqueue(entered);
            std::string word;
            AskWord(QStringLiteral("Titel"), "DEF", word);
            QCOMPARE(word, expected);
            QCOMPARE(prompt.lastText(), message);
        }
        QCOMPARE(prompt.inputDefaults.last(), QStringLiteral("DEF"));
        std::string word = "KEEP";
        AskWord(QStringLiteral("Titel"), "", word); // cancelled
        QCOMPARE(word, std::string("KEEP"));
    }

    void shiftingIsRefused()
    {
        SetLetter({5, 5}, " ");
        QVERIFY(!CanShift(ShiftRight)); // blank fields alone are an empty board
        SetLetter({50, 3}, "A");
        SetLetter({1, 40}, " ");
        ShiftPuzzle(ShiftRight);
        QCOMPARE(GetLetter({50, 3}), std::string("A"));
        QVERIFY(!Modified);
        QVERIFY(!CanShift(ShiftLeft)); // the blank field in column 1 counts here
        QVERIFY(!CanShift(ShiftDown));
        QVERIFY(CanShift(ShiftUp));

        NewPuzzle();
        PlaceWord({2, 2}, true, "AB");
        Puzzle.Numbers = {MakeClueNumber(2, 2, "", true), MakeClueNumber(3, 2, "", false)};
        QVERIFY(!CanShift(ShiftLeft)); // outside, the numbers would leave the board
        QVERIFY(!CanShift(ShiftUp));
        FakeBoardView view;
        view.numbersInside = true;
        QVERIFY(CanShift(ShiftLeft) && CanShift(ShiftUp));
    }

    void shiftingMovesTheWholeDocument()
    {
        FakeBoardView view;
        PlaceWord({3, 2}, true, "WORT");
        FieldAt({4, 2}).SolutionNumber = 3;
        Puzzle.Numbers.push_back(MakeClueNumber(3, 2, "Ein Wort", true));
        Puzzle.StartField = {3, 2};
        SelectedField = {5, 2};

        ShiftPuzzle(ShiftRight);
        ShiftPuzzle(ShiftDown);
        QCOMPARE(BoardCols() * 100 + BoardRows(), 703);
        QCOMPARE(BoardPicture({1, 3}, {7, 3}), std::string("...WORT"));
        QCOMPARE(GetField({5, 3}).SolutionNumber, 3);
        QCOMPARE(Puzzle.Numbers[0].Col * 100 + Puzzle.Numbers[0].Row, 403);
        QCOMPARE(Puzzle.StartField, (TPoint{4, 3}));
        QCOMPARE(Puzzle.EndField, (TPoint{-1, -1})); // unset stays unset
        QCOMPARE(GetLetter(SelectedField), std::string("R"));
        QVERIFY(Modified);
        QCOMPARE(view.scrollChecks, 2);
    }
};

QTEST_GUILESS_MAIN(TestBoardEditing)
#include "tst_boardediting.moc"
