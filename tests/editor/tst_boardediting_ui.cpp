#include "core/boardediting.h"
#include "core/numbering.h"
#include "editor/fielddrag.h"
#include "editor/keysink.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>

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
        QTest::newRow("umlaut") << QStringLiteral("ä") << QStringLiteral(" ") << 0;
        // U+0141 would become byte 0x41 ("A") if Unicode were cut to a byte.
        QTest::newRow("outside the code page") << QStringLiteral("Ł") << QStringLiteral(" ") << 0;
        QTest::newRow("ctrl") << QStringLiteral("d") << QStringLiteral(" ")
                              << int(Qt::ControlModifier);
        QTest::newRow("altgr") << QStringLiteral("@") << QStringLiteral("@")
                               << int(Qt::ControlModifier | Qt::AltModifier);
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

    void deleteAndRightClick()
    {
        SetLetter({5, 5}, "B");
        QVERIFY(AddNumber({5, 5}, true));

        // Right-clicking another field removes it and the selected provisional field.
        click({5, 4});
        PlaceField({6, 2}, {"Q", true});
        click({6, 2}, Qt::RightButton);
        QCOMPARE(GetField({6, 2}), EmptyField());
        QCOMPARE(letter(5, 4), "");
        QVERIFY(IsNoField(SelectedField));

        // A field with a clue number is kept, and so is the selection; neither the refusals nor
        // moving the selection add an undo step.
        const auto *history = form->findChild<QUndoStack *>();
        const int steps = history->count();
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
        click({9, 9});
        key(Qt::Key_Right);
        QCOMPARE(history->count(), steps);
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
        // A block holds no letter; "Feld zu Block" inverts the box.
        SetLetter({5, 2}, "A");
        click({5, 2});
        checkBox(QStringLiteral("Block"))->setChecked(true);
        QCOMPARE(GetField({5, 2}), (TBoardField{"-", false, false, false, false, 0, true}));
        key(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!GetField({5, 2}).Block);

        // "0" keeps a provisional field provisional; 2 makes it a field with number 2.
        click({6, 2});
        number->setText(QStringLiteral("0"));
        QCOMPARE(letter(6, 2), " ");
        number->setText(QStringLiteral("2"));
        QCOMPARE(GetField({6, 2}), (TBoardField{"-", false, false, false, false, 2}));
        // Ctrl+Z and Ctrl+Y in the field take back and bring again the editor's step, not the
        // field's own text.
        number->setFocus();
        QTest::keyClick(number, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(GetField({6, 2}).SolutionNumber == 0 && form->findChild<QUndoStack *>()->canRedo());
        QTest::keyClick(number, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(GetField({6, 2}).SolutionNumber, 2);
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
        std::unique_ptr<QMimeData> field(FieldDrag::createMimeData());
        QVERIFY(dropOn(number, field.get()));
        QCOMPARE(GetField({2, 1}).SolutionNumber, 8);
        QVERIFY(Modified);
        QVERIFY(dropOn(child(QStringLiteral("endField")), field.get()));
        QCOMPARE(Puzzle.EndField, TPoint(2, 1));
    }

    void shiftScrollsOnce()
    {
        SetLetter({1, 1}, "A");
        SetLetter({48, 5}, "B");
        click({48, 5});
        QScrollBar *bar = form->horizontalBar();
        const int before = bar->value();
        QTest::mouseClick(child<QPushButton>(QStringLiteral("shift2")), Qt::LeftButton);
        QCOMPARE(letter(49, 5), "B");
        QCOMPARE(bar->value(), before + 3 * (30 / 2));
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
};

QTEST_MAIN(TestBoardEditingUi)
#include "tst_boardediting_ui.moc"
