#include "core/boardediting.h"
#include "core/numbering.h"
#include "document/documentfile.h"
#include "editor/fielddrag.h"
#include "editor/keysink.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace gs;

namespace {

std::string letter(int col, int row)
{
    return GetLetter({col, row});
}

// Sends a drag of mime data onto target and drops it there; returns whether it was accepted.
bool dropOn(QWidget *target, QMimeData *data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class TestBoardEditingUi : public QObject, MainWindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        create();
        show();
        QTRY_COMPARE(QApplication::focusWidget(), form->sidePanel()->keySink());
    }

    void cleanup() { destroy(); }

    void wordFromArrowsAndTyping()
    {
        click({3, 3});
        checkBox(QStringLiteral("Buchstaben zeichnen"))->setChecked(false);
        type(QStringLiteral("h"));
        for (const QChar c : QStringLiteral("aus")) {
            key(Qt::Key_Right);
            type(QString(c));
        }
        QCOMPARE(ReadWord(MakeClueNumber(3, 3, "", true)), "HAUS");
        QCOMPARE(SelectedField, TPoint(6, 3));
        QVERIFY(form->lettersShown());
        QCOMPARE(form->sidePanel()->keySink()->text(), KeySink::Text);

        // Down and back up: the provisional field on the way is gone again.
        key(Qt::Key_Down);
        QCOMPARE(letter(6, 4), " ");
        key(Qt::Key_Up);
        QCOMPARE(letter(6, 4), "");
        QCOMPARE(SelectedField, TPoint(6, 3));

        // The arrows stop at the edges of the editing area.
        SelectField({50, 40});
        key(Qt::Key_Right);
        key(Qt::Key_Down);
        QCOMPARE(SelectedField, TPoint(50, 40));
        SelectField({1, 1});
        key(Qt::Key_Left);
        key(Qt::Key_Up);
        QCOMPARE(SelectedField, TPoint(1, 1));
    }

    void typedCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("lower case") << QStringLiteral("a") << QStringLiteral("A") << 0;
        QTest::newRow("blank") << QStringLiteral(" ") << QStringLiteral("-") << 0;
        QTest::newRow("z") << QStringLiteral("z") << QStringLiteral("Z") << 0;
        QTest::newRow("umlaut") << QStringLiteral("ä") << QStringLiteral(" ") << 0;
        QTest::newRow("brace") << QStringLiteral("{") << QStringLiteral(" ") << 0;
        // U+0141 would become byte 0x41 ("A") if Unicode were cut to a byte.
        QTest::newRow("outside the code page") << QStringLiteral("Ł") << QStringLiteral(" ") << 0;
        QTest::newRow("alt") << QStringLiteral("d") << QStringLiteral(" ") << int(Qt::AltModifier);
        QTest::newRow("ctrl") << QStringLiteral("d") << QStringLiteral(" ")
                              << int(Qt::ControlModifier);
        QTest::newRow("altgr") << QStringLiteral("@") << QStringLiteral("@")
                               << int(Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("backspace") << QStringLiteral("\b") << QStringLiteral(" ") << 0;
    }

    void typedCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, modifiers);
        click({2, 2});
        Modified = false;
        type(typed, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(letter(2, 2), stored.toStdString());
        QCOMPARE(Modified, stored != QLatin1String(" "));
    }

    void typingNeedsBoardFocusAndClearsBlock()
    {
        const TBoardField block{"-", false, false, false, false, 0, true};
        PlaceField({4, 4}, block);
        click({4, 4});
        checkBox(QStringLiteral("Links"))->setFocus();
        type(QStringLiteral("a"));
        key(Qt::Key_Right);
        QCOMPARE(GetField({4, 4}), block);
        QCOMPARE(SelectedField, TPoint(4, 4));

        form->sidePanel()->focusKeySink();
        type(QStringLiteral("x"));
        QCOMPARE(GetField({4, 4}), TBoardField{"X"});
        QVERIFY(!checkBox(QStringLiteral("Block"))->isChecked());
    }

    void deleteAndRightClick()
    {
        PlaceField({2, 2}, {"A", false, false, true, false, 4});
        SetLetter({5, 5}, "B");
        QVERIFY(AddNumber({5, 5}, true));

        click({2, 2});
        Modified = false;
        key(Qt::Key_Delete);
        QCOMPARE(GetField({2, 2}), TBoardField{" "});
        QCOMPARE(SelectedField, TPoint(2, 2));
        QVERIFY(Modified);
        // Right-clicking another field removes it and the selected provisional field.
        click({5, 4});
        PlaceField({6, 2}, {"Q", true});
        click({6, 2}, Qt::RightButton);
        QCOMPARE(GetField({6, 2}), EmptyField());
        QCOMPARE(letter(5, 4), "");
        QVERIFY(IsNoField(SelectedField));

        // A field with a clue number is kept, and so is the selection.
        click({5, 5});
        key(Qt::Key_Delete);
        click({5, 5}, Qt::RightButton);
        QCOMPARE(prompt->shown.size(), 2);
        QCOMPARE(prompt->lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(prompt->lastText(),
                 QStringLiteral("Feld kann nicht entfernt werden, solange ihm eine Nummer "
                                "zugewiesen ist."));
        QCOMPARE(letter(5, 5), "B");
        QCOMPARE(SelectedField, TPoint(5, 5));
    }

    void clicksBeyondAreaMiddleAndDouble()
    {
        SetLetter({1, 1}, "A");
        SetLetter({50, 40}, "Z");
        form->CheckScrolling();
        form->horizontalBar()->setValue(form->horizontalBar()->maximum());
        form->verticalBar()->setValue(form->verticalBar()->maximum());
        click({49, 39});
        QCheckBox *left = checkBox(QStringLiteral("Links"));
        left->setFocus();
        Modified = false;
        for (const TPoint p : {TPoint{51, 39}, TPoint{49, 41}}) {
            QVERIFY(form->viewport()->rect().contains(viewportPoint(p)));
            click(p);
            QCOMPARE(SelectedField, TPoint(49, 39));
            QCOMPARE(QApplication::focusWidget(), left);
            QVERIFY(!Modified);
        }
        // The middle button only takes the focus back to the board.
        click({45, 35}, Qt::MiddleButton);
        QCOMPARE(QApplication::focusWidget(), form->sidePanel()->keySink());
        QCOMPARE(letter(45, 35), "");

        // A double-click comes after its first press; it makes an existing empty field.
        click({44, 36});
        QTest::mouseDClick(form->viewport(), Qt::LeftButton, {}, viewportPoint({44, 36}));
        key(Qt::Key_Left);
        QCOMPARE(letter(44, 36), "-");
    }

    void focusLeaveRule()
    {
        KeySink *sink = form->sidePanel()->keySink();
        click({5, 5});
        // Check boxes and text fields act on the selected field: it stays.
        checkBox(QStringLiteral("Links"))->setFocus();
        sink->setFocus();
        child(QStringLiteral("solutionNumber"))->setFocus();
        sink->setFocus();
        QCOMPARE(letter(5, 5), " ");
        QCOMPARE(SelectedField, TPoint(5, 5));
        // A spin field does not: the provisional field goes with the selection.
        form->findChild<QSpinBox *>()->setFocus();
        QCOMPARE(letter(5, 5), "");
        QVERIFY(IsNoField(SelectedField));

        // A field with a letter stays selected.
        SetLetter({6, 6}, "K");
        click({6, 6});
        child(QStringLiteral("shift1"))->setFocus();
        QCOMPARE(SelectedField, TPoint(6, 6));
    }

    void panelBordersBlockAndNumber()
    {
        QCheckBox *left = checkBox(QStringLiteral("Links"));
        auto *number = child<QLineEdit>(QStringLiteral("solutionNumber"));

        click({2, 2});
        left->setChecked(true);
        QCOMPARE(GetField({2, 2}), (TBoardField{"-", true}));
        // Unticking on a provisional field does nothing.
        click({4, 2});
        left->setChecked(true);
        click({5, 2});
        left->setChecked(false);
        QCOMPARE(letter(5, 2), " ");

        // A block holds no letter; "Feld zu Block" inverts the box.
        SetLetter({5, 2}, "A");
        click({5, 2});
        checkBox(QStringLiteral("Block"))->setChecked(true);
        QCOMPARE(GetField({5, 2}), (TBoardField{"-", false, false, false, false, 0, true}));
        key(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!GetField({5, 2}).Block);

        // "0" keeps a provisional field provisional; 2 makes it a field with number 2.
        click({6, 2});
        number->setText(QStringLiteral("x"));
        number->setText(QStringLiteral("0"));
        QCOMPARE(letter(6, 2), " ");
        number->setText(QStringLiteral("2"));
        QCOMPARE(GetField({6, 2}), (TBoardField{"-", false, false, false, false, 2}));
        // Not a whole number: 0 on an existing field.
        number->setText(QStringLiteral("2a"));
        QCOMPARE(GetField({6, 2}).SolutionNumber, 0);
    }

    void panelRefreshLeavesDocumentUnmodified()
    {
        const TBoardField framed{"A", true, true, true, true, 3, false};
        PlaceField({2, 2}, framed);
        SetLetter({3, 2}, "B");
        click({2, 2});
        Modified = false;
        click({3, 2});
        QVERIFY(!checkBox(QStringLiteral("Oben"))->isChecked());
        QCOMPARE(child<QLineEdit>(QStringLiteral("solutionNumber"))->text(), "0");
        click({2, 2});
        QVERIFY(checkBox(QStringLiteral("Rechts"))->isChecked());
        QCOMPARE(GetField({2, 2}), framed);
        QVERIFY(!Modified);
    }

    void solutionFrame()
    {
        auto *start = child<QLabel>(QStringLiteral("startField"));
        auto *end = child<QLabel>(QStringLiteral("endField"));
        const auto assign = [this](TPoint p, QLabel *box) {
            click(p);
            QTest::mouseDClick(box, Qt::LeftButton);
        };
        for (int col = 2; col <= 5; ++col)
            SetLetter({col, 3}, std::string(1, char('A' + col)));

        // A provisional field cannot be an end.
        assign({8, 8}, start);
        QVERIFY(IsNoField(Puzzle.StartField));
        assign({2, 3}, start);
        assign({5, 3}, end);
        QCOMPARE(Puzzle.StartField, TPoint(2, 3));
        QCOMPARE(end->text(), "F");
        // Removing an end field clears the frame at the next refresh.
        click({2, 3}, Qt::RightButton);
        click({4, 3});
        QVERIFY(IsNoField(Puzzle.StartField) && IsNoField(Puzzle.EndField));
        QCOMPARE(end->text(), QString());

        assign({3, 3}, start);
        Modified = false;
        QTest::mouseClick(child<QPushButton>(QStringLiteral("clearFrame")), Qt::LeftButton);
        QVERIFY(IsNoField(Puzzle.StartField));
        QCOMPARE(start->text(), QString());
        QVERIFY(Modified);
    }

    void shiftButtonsAndDrops()
    {
        SetLetter({2, 2}, "A");
        SetLetter({9, 9}, "Z");
        FieldAt({9, 9}).SolutionNumber = 7;
        click({2, 2});
        for (const int direction : {2, 4, 1, 3, 3})
            QTest::mouseClick(child<QPushButton>(QStringLiteral("shift%1").arg(direction)),
                              Qt::LeftButton);
        QCOMPARE(letter(2, 1), "A");
        QCOMPARE(SelectedField, TPoint(2, 1));

        auto *number = child<QLineEdit>(QStringLiteral("solutionNumber"));
        Modified = false;
        QMimeData foreign;
        foreign.setText(QStringLiteral("5"));
        QVERIFY(!dropOn(number, &foreign));
        QCOMPARE(number->text(), "0");
        std::unique_ptr<QMimeData> field(FieldDrag::createMimeData());
        QVERIFY(dropOn(number, field.get()));
        QCOMPARE(GetField({2, 1}).SolutionNumber, 8);
        QVERIFY(Modified);
        // A field that has a number keeps it.
        QVERIFY(dropOn(child(QStringLiteral("solutionWord")), field.get()));
        QCOMPARE(GetField({2, 1}).SolutionNumber, 8);
        QVERIFY(dropOn(child(QStringLiteral("endField")), field.get()));
        QCOMPARE(Puzzle.EndField, TPoint(2, 1));
    }

    void shiftScrollsOnceAndRefusalChangesNothing()
    {
        SetLetter({1, 1}, "A");
        SetLetter({48, 5}, "B");
        click({48, 5});
        QScrollBar *bar = form->horizontalBar();
        const int before = bar->value();
        QTest::mouseClick(child<QPushButton>(QStringLiteral("shift2")), Qt::LeftButton);
        QCOMPARE(letter(49, 5), "B");
        QCOMPARE(bar->value(), before + 3 * (30 / 2));

        SetLetter({50, 7}, "C");
        const TCrossWordPuzzle puzzle = Puzzle;
        const QPoint scrolled = form->scrollPosition();
        Modified = false;
        QTest::mouseClick(child<QPushButton>(QStringLiteral("shift2")), Qt::LeftButton);
        QCOMPARE(Puzzle.Board, puzzle.Board);
        QCOMPARE(form->scrollPosition(), scrolled);
        QCOMPARE(SelectedField, TPoint(49, 5));
        QVERIFY(!Modified);
    }

    void insertWordThroughTheShortcut()
    {
        // Ctrl+V reaches the command while the key sink has the focus, and the provisional field
        // stays selected while the input box is open.
        click({2, 3});
        prompt->texts << QStringLiteral("ei");
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(prompt->inputCaptions, QList<QString>{QStringLiteral("Wort vertikal einfügen")});
        QCOMPARE(ReadWord(MakeClueNumber(2, 3, "", false)), "EI");
        QCOMPARE(form->sidePanel()->keySink()->text(), KeySink::Text);
    }

    void programSettingsKeepLoadedValues()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gross.gsd"));
        SetLetter({1, 3}, "A");
        QVERIFY(AddNumber({1, 3}, true));
        Puzzle.FieldSize = 60;
        Puzzle.BorderWidth = 7;
        QVERIFY(SavePuzzle(path));

        form->setNumbersInsideChecked(true);
        QVERIFY(LoadPuzzle(path));
        QCOMPARE(Puzzle.FieldSize, 60);
        QCOMPARE(Puzzle.BorderWidth, 7);
        QVERIFY(!Puzzle.NumbersInside);
        QVERIFY(!form->numbersInsideChecked());
        QCOMPARE(form->findChildren<QSpinBox *>().at(0)->value(), 50);
        QCOMPARE(form->findChildren<QSpinBox *>().at(1)->value(), 4);
        QVERIFY(!Modified);
        QVERIFY(prompt->shown.isEmpty());

        // The user cannot switch the numbers outside while one stands in column 1.
        QCheckBox *inside = checkBox(QStringLiteral("Nummern in Kästchen"));
        inside->setChecked(true);
        inside->setChecked(false);
        QCOMPARE(prompt->lastCaption(), QStringLiteral("Hinweis"));
        QVERIFY(inside->isChecked());
        QVERIFY(Puzzle.NumbersInside);
    }
};

QTEST_MAIN(TestBoardEditingUi)
#include "tst_boardediting_ui.moc"
