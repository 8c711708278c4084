#include "core/boardediting.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "support/fakeboardview.h"
#include "support/scriptedprompt.h"

#include <QTest>

using namespace gs;

namespace {

const QString BoundMessage = QStringLiteral(
        "Das Wort kann nicht eingefügt werden, da es über die Feldbegrenzung hinaus geht!");
const QString OverwriteQuestion = QStringLiteral(
        "Das einzufügende Wort überschneidet sich mit anderen Feldern. Sollen diese Felder "
        "überschrieben werden?");

void place(TPoint p, bool hor, const std::string &letters)
{
    for (int i = 0; i < int(letters.size()); ++i)
        SetLetter(hor ? TPoint{p.X + i, p.Y} : TPoint{p.X, p.Y + i}, letters.substr(size_t(i), 1));
}

std::string row(int r, int fromCol, int toCol)
{
    std::string s;
    for (int c = fromCol; c <= toCol; ++c) {
        const std::string letter = GetLetter({c, r});
        s += letter.empty() ? "." : letter;
    }
    return s;
}

std::string askWord(ScriptedPrompt &prompt, const QString &entered)
{
    prompt.texts.enqueue(entered);
    std::string word = "UNCHANGED";
    AskWord(QStringLiteral("Titel"), "DEF", word);
    return word;
}

} // namespace

class TestBoardEditing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
    }

    void readWordStopsAtBlankHyphenAndEdge()
    {
        place({2, 2}, true, "AB-CD E");
        QCOMPARE(ReadWord(MakeClueNumber(2, 2, "", true)), std::string("AB"));
        QCOMPARE(ReadWord(MakeClueNumber(5, 2, "", true)), std::string("CD"));
        QCOMPARE(ReadWord(MakeClueNumber(3, 2, "", false)), std::string("B"));
        QCOMPARE(ReadWord(MakeClueNumber(-1, -1, "", true)), std::string());
        QCOMPARE(ReadWord(MakeClueNumber(400, 2, "", true)), std::string());
    }

    void collisions()
    {
        place({3, 3}, true, "HX a");
        // The first letter and blank fields never clash; other letters must match exactly.
        QVERIFY(!WordCollides({3, 3}, true, "QX"));
        QVERIFY(WordCollides({3, 3}, true, "HXYA"));  // 'A' over 'a'
        QVERIFY(!WordCollides({3, 3}, true, "HXYa")); // blank at column 5 is free
        QVERIFY(WordCollides({3, 3}, true, "HA"));
        QVERIFY(!WordCollides({4, 3}, true, "Z"));
        QVERIFY(!WordCollides({3, 3}, false, "HAUS"));
    }

    void insertionAtTheBoardEdges()
    {
        ScriptedPrompt prompt;
        FakeBoardView view;
        InsertWord({46, 1}, true, "ABCDE");
        QCOMPARE(GetLetter({50, 1}), std::string("E"));
        InsertWord({1, 36}, false, "VWXYZ");
        QCOMPARE(GetLetter({1, 40}), std::string("Z"));
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(view.scrollChecks, 2);

        Modified = false;
        InsertWord({47, 2}, true, "ABCDE");
        InsertWord({2, 37}, false, "ABCDE");
        InsertWord({-1, -1}, true, "A");
        QCOMPARE(prompt.shown.size(), 3);
        for (const auto &shown : prompt.shown) {
            QCOMPARE(shown.caption, QStringLiteral("Fehler"));
            QCOMPARE(shown.text, BoundMessage);
            QCOMPARE(shown.icon, Prompt::Icon::Warning);
        }
        QCOMPARE(GetLetter({47, 2}), std::string());
        QCOMPARE(GetLetter({2, 37}), std::string());
        QVERIFY(!Modified);
        QCOMPARE(BoardCols(), 50);
        QCOMPARE(BoardRows(), 40);
    }

    void overwriteQuestion()
    {
        ScriptedPrompt prompt;
        place({3, 3}, true, "HXYZ");
        FieldAt({4, 3}).BorderTop = true;

        prompt.answers.enqueue(Prompt::Answer::No);
        InsertWord({3, 3}, true, "HAUS");
        QCOMPARE(row(3, 3, 6), std::string("HXYZ"));
        QVERIFY(!Modified);

        prompt.answers.enqueue(Prompt::Answer::Yes);
        InsertWord({3, 3}, true, "HAUS");
        QCOMPARE(row(3, 3, 6), std::string("HAUS"));
        QVERIFY(Modified);
        QVERIFY(GetField({4, 3}).BorderTop); // only letters change

        QCOMPARE(prompt.shown.size(), 2); // asked once per insertion despite three clashes
        QCOMPARE(prompt.shown.last().caption, QStringLiteral("Felder überschreiben"));
        QCOMPARE(prompt.shown.last().text, OverwriteQuestion);
        QCOMPARE(prompt.shown.last().buttons, Prompt::Buttons::YesNo);
        QCOMPARE(prompt.unexpectedQuestions, 0);
    }

    void emptyWordRepaintsAndMarksModified()
    {
        FakeBoardView view;
        InsertWord({5, 5}, true, "");
        QVERIFY(Modified);
        QCOMPARE(view.scrollChecks, 1);
        QCOMPARE(BoardCols(), 0);
    }

    void askWordValidatesInput()
    {
        ScriptedPrompt prompt;
        QCOMPARE(askWord(prompt, QStringLiteral("häuser")), std::string("H\xC4USER"));
        QCOMPARE(prompt.inputCaptions.last(), QStringLiteral("Titel"));
        QCOMPARE(prompt.inputDefaults.last(), QStringLiteral("DEF"));
        QCOMPARE(askWord(prompt, QString(20, QChar(0xE4))), std::string(20, '\xC4'));
        QVERIFY(prompt.shown.isEmpty());

        QCOMPARE(askWord(prompt, QString(21, 'a')), std::string("UNCHANGED"));
        QCOMPARE(prompt.lastText(), QStringLiteral("Wort darf nur maximal 20 Zeichen enthalten!"));
        QCOMPARE(askWord(prompt, QStringLiteral("zwei worte")), std::string("UNCHANGED"));
        QCOMPARE(prompt.lastText(), QStringLiteral("Leerzeichen in Wort nicht erlaubt!"));
        QCOMPARE(prompt.lastCaption(), QStringLiteral("Fehler"));

        // Characters outside Windows-1252 are refused, not stored as another byte; an emoji
        // counts as one character against the limit.
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString unusable = QStringLiteral("Das Wort enthält Zeichen, die nicht verwendet "
                                                "werden können!");
        for (const QString &text :
             {QString(19, 'a') + emoji, QStringLiteral("中文"), QStringLiteral("A\tB")}) {
            prompt.shown.clear();
            QCOMPARE(askWord(prompt, text), std::string("UNCHANGED"));
            QCOMPARE(prompt.shown.size(), 1);
            QCOMPARE(prompt.lastText(), unusable);
        }
        // Cancel leaves the word alone without a message.
        prompt.shown.clear();
        std::string word = "KEEP";
        AskWord(QStringLiteral("Titel"), "", word);
        QCOMPARE(word, std::string("KEEP"));
        QVERIFY(prompt.shown.isEmpty());
    }

    void insertWordCommand()
    {
        ScriptedPrompt prompt;
        InsertWordCommand(true);
        QCOMPARE(prompt.lastText(), QStringLiteral("Es ist kein Feld markiert!"));
        QVERIFY(prompt.inputCaptions.isEmpty());

        place({2, 2}, true, "OBST-X");
        SelectedField = {2, 2};
        prompt.texts.enqueue(QStringLiteral("obsternte"));
        prompt.answers.enqueue(Prompt::Answer::No); // the hyphen in column 6 clashes
        InsertWordCommand(true);
        QCOMPARE(prompt.inputCaptions.last(), QStringLiteral("Wort horizontal einfügen"));
        QCOMPARE(prompt.inputDefaults.last(), QStringLiteral("OBST"));
        QCOMPARE(prompt.lastCaption(), QStringLiteral("Felder überschreiben"));
        QCOMPARE(row(2, 2, 7), std::string("OBST-X"));
        QVERIFY(!Modified);

        prompt.texts.enqueue(QStringLiteral("obs"));
        InsertWordCommand(true);
        QCOMPARE(row(2, 2, 7), std::string("OBST-X"));
        QVERIFY(Modified);
        Modified = false;

        InsertWordCommand(false); // cancelled: an empty word, still a repaint and a change
        QCOMPARE(prompt.inputCaptions.last(), QStringLiteral("Wort vertikal einfügen"));
        QCOMPARE(prompt.inputDefaults.last(), QStringLiteral("O"));
        QVERIFY(Modified);
        QCOMPARE(GetLetter({2, 3}), std::string());
    }

    void shiftingIsRefused()
    {
        QVERIFY(!CanShift(ShiftRight)); // empty board
        SetLetter({5, 5}, " ");
        QVERIFY(!CanShift(ShiftRight)); // blank fields alone do not count as content

        SetLetter({50, 3}, "A");
        QVERIFY(!CanShift(ShiftRight));
        ShiftPuzzle(ShiftRight);
        QCOMPARE(GetLetter({50, 3}), std::string("A"));
        QVERIFY(!Modified);
        QVERIFY(CanShift(ShiftLeft));
        QVERIFY(CanShift(7));

        SetLetter({1, 40}, " "); // a blank field in column 1 or row 40 counts
        QVERIFY(!CanShift(ShiftLeft));
        QVERIFY(!CanShift(ShiftDown));
        QVERIFY(CanShift(ShiftUp));

        NewPuzzle();
        place({2, 2}, true, "AB");
        Puzzle.Numbers.push_back(MakeClueNumber(2, 2, "", true));
        Puzzle.Numbers.push_back(MakeClueNumber(3, 2, "", false));
        QVERIFY(!CanShift(ShiftLeft)); // horizontal number would be drawn left of column 1
        QVERIFY(!CanShift(ShiftUp));   // vertical number would be drawn above row 1
        FakeBoardView view;
        view.numbersInside = true;
        QVERIFY(CanShift(ShiftLeft));
        QVERIFY(CanShift(ShiftUp));
    }

    void shiftRightMovesTheWholeDocument()
    {
        FakeBoardView view;
        place({3, 2}, true, "WORT");
        FieldAt({4, 2}).SolutionNumber = 3;
        Puzzle.Numbers.push_back(MakeClueNumber(3, 2, "Ein Wort", true));
        Puzzle.StartField = {3, 2};
        SelectedField = {5, 2};
        const int cols = BoardCols();

        ShiftPuzzle(ShiftRight);
        QCOMPARE(BoardCols(), cols + 1);
        QCOMPARE(row(2, 1, 7), std::string("...WORT"));
        QCOMPARE(GetField({5, 2}).SolutionNumber, 3);
        QCOMPARE(Puzzle.Numbers[0].Col, 4);
        QCOMPARE(Puzzle.Numbers[0].Row, 2);
        QCOMPARE(Puzzle.StartField, (TPoint{4, 2}));
        QCOMPARE(Puzzle.EndField, (TPoint{-1, -1}));
        QCOMPARE(GetLetter(SelectedField), std::string("R"));
        QVERIFY(Modified);
        QCOMPARE(view.scrollChecks, 1);

        ShiftPuzzle(ShiftDown);
        ShiftPuzzle(ShiftDown);
        QCOMPARE(BoardRows(), 4);
        QCOMPARE(row(4, 1, 7), std::string("...WORT"));
        QCOMPARE(Puzzle.EndField, (TPoint{-1, -1}));
        Puzzle.EndField = {0, 0}; // a cleared end stays cleared too
        ShiftPuzzle(ShiftDown);
        QCOMPARE(Puzzle.EndField, (TPoint{0, 0}));
    }

    void shiftLeftAndUpShrinkTheBoard()
    {
        place({3, 3}, false, "AB");
        place({50, 40}, true, "Z");
        SelectedField = {3, 3};
        ShiftPuzzle(ShiftLeft);
        ShiftPuzzle(ShiftUp);
        QCOMPARE(BoardCols(), 49);
        QCOMPARE(BoardRows(), 39);
        QCOMPARE(GetLetter({2, 2}), std::string("A"));
        QCOMPARE(GetLetter({2, 3}), std::string("B"));
        QCOMPARE(GetLetter({49, 39}), std::string("Z"));
        QCOMPARE(SelectedField, (TPoint{2, 2}));
        for (const auto &column : Puzzle.Board)
            QCOMPARE(int(column.size()), 40);
    }

    void oversizedLoadedBoardsShiftAsAWhole()
    {
        place({55, 44}, true, "XY");
        place({51, 1}, true, "Q");
        Puzzle.Numbers.push_back(MakeClueNumber(200, 300, "", true)); // off the board
        ShiftPuzzle(ShiftLeft);
        QCOMPARE(GetLetter({54, 44}), std::string("X"));
        QCOMPARE(GetLetter({55, 44}), std::string("Y"));
        QCOMPARE(GetLetter({50, 1}), std::string("Q"));
        ShiftPuzzle(ShiftDown);
        QCOMPARE(GetLetter({55, 45}), std::string("Y"));
        QCOMPARE(BoardRows(), 45);
        QCOMPARE(Puzzle.Numbers[0].Col, 199);
        QCOMPARE(Puzzle.Numbers[0].Row, 301);
    }
};

QTEST_GUILESS_MAIN(TestBoardEditing)
#include "tst_boardediting.moc"
