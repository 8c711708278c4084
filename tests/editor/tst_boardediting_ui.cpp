#include "core/boardediting.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "document/documentfile.h"
#include "editor/boardviewport.h"
#include "editor/fielddrag.h"
#include "editor/keysink.h"
#include "editor/mainwindow.h"
#include "editor/sidepanel.h"
#include "support/scriptedprompt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

const QString fieldHasNumber = QStringLiteral(
        "Feld kann nicht entfernt werden, solange ihm eine Nummer zugewiesen ist.");

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

class TestBoardEditingUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wordFromArrowsAndTyping();
    void typedCharacters_data();
    void typedCharacters();
    void typingNeedsTheBoardFocus();
    void typingIntoBlockClearsIt();
    void deleteKey();
    void rightClickRemoval();
    void leftClickBeyondTheEditingArea();
    void doubleClickMakesEmptyField();
    void arrowLimits();
    void focusLeaveRule();
    void panelBordersBlockAndNumber();
    void panelRefreshLeavesDocumentUnmodified();
    void solutionFrame();
    void shiftButtons();
    void dropOnPanel();
    void insertWordThroughMenuAndShortcut();
    void programSettingsKeepLoadedValues();

private:
    QWidget *child(const QString &name) const;
    QCheckBox *checkBox(const QString &text) const;
    QPoint viewportPoint(TPoint p) const;
    void click(TPoint p, Qt::MouseButton button = Qt::LeftButton);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);

    ScriptedPrompt *m_prompt = nullptr;
    TForm1 *m_form = nullptr;
};

void TestBoardEditingUi::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestBoardEditingUi::init()
{
    m_prompt = new ScriptedPrompt;
    m_form = new TForm1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QTRY_COMPARE(m_form->windowTitle(), QString::fromUtf8(ProgramCaption));
    m_form->sidePanel()->focusKeySink();
    QTRY_COMPARE(QApplication::focusWidget(), m_form->sidePanel()->keySink());
}

void TestBoardEditingUi::cleanup()
{
    Modified = false;
    delete m_form;
    delete m_prompt;
    NewPuzzle();
}

QWidget *TestBoardEditingUi::child(const QString &name) const
{
    return m_form->findChild<QWidget *>(name);
}

QCheckBox *TestBoardEditingUi::checkBox(const QString &text) const
{
    for (QCheckBox *box : m_form->findChildren<QCheckBox *>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

QPoint TestBoardEditingUi::viewportPoint(TPoint p) const
{
    const TRect r = FieldRect(p);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2) - m_form->viewport()->offset();
}

void TestBoardEditingUi::click(TPoint p, Qt::MouseButton button)
{
    QTest::mouseClick(m_form->viewport(), button, Qt::NoModifier, viewportPoint(p));
}

void TestBoardEditingUi::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void TestBoardEditingUi::type(const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
}

void TestBoardEditingUi::wordFromArrowsAndTyping()
{
    click({3, 3});
    QCOMPARE(SelectedField, TPoint(3, 3));
    QCOMPARE(letter(3, 3), " ");
    QVERIFY(Modified);
    checkBox(QStringLiteral("Buchstaben zeichnen"))->setChecked(false);

    type(QStringLiteral("h"));
    for (const QChar c : QStringLiteral("aus")) {
        key(Qt::Key_Right);
        type(QString(c));
    }
    QCOMPARE(ReadWord(MakeClueNumber(3, 3, "", true)), "HAUS");
    QCOMPARE(SelectedField, TPoint(6, 3));
    QVERIFY(m_form->lettersShown());
    QCOMPARE(m_form->sidePanel()->keySink()->text(), KeySink::Text);
    QCOMPARE(m_form->sidePanel()->keySink()->hasFocus(), true);

    // Down and back up: the provisional field on the way is gone again.
    key(Qt::Key_Down);
    QCOMPARE(letter(6, 4), " ");
    key(Qt::Key_Up);
    QCOMPARE(letter(6, 4), "");
    QCOMPARE(SelectedField, TPoint(6, 3));
    QVERIFY(m_prompt->shown.isEmpty());
}

void TestBoardEditingUi::typedCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower case") << QStringLiteral("a") << QStringLiteral("A");
    QTest::newRow("digit") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("blank") << QStringLiteral(" ") << QStringLiteral("-");
    QTest::newRow("z") << QStringLiteral("z") << QStringLiteral("Z");
    QTest::newRow("umlaut") << QStringLiteral("ä") << QStringLiteral(" ");
    QTest::newRow("brace") << QStringLiteral("{") << QStringLiteral(" ");
    QTest::newRow("euro") << QStringLiteral("€") << QStringLiteral(" ");
    // U+0141 would become byte 0x41 ("A") if Unicode were cut to a byte.
    QTest::newRow("outside the code page") << QStringLiteral("Ł") << QStringLiteral(" ");
    QTest::newRow("backspace") << QStringLiteral("\b") << QStringLiteral(" ");
    QTest::newRow("enter") << QStringLiteral("\r") << QStringLiteral(" ");
}

void TestBoardEditingUi::typedCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    click({2, 2});
    Modified = false;
    type(typed);
    QCOMPARE(letter(2, 2), stored.toStdString());
    QCOMPARE(Modified, stored != QLatin1String(" "));
}

void TestBoardEditingUi::typingNeedsTheBoardFocus()
{
    click({2, 2});
    checkBox(QStringLiteral("Links"))->setFocus();
    type(QStringLiteral("a"));
    key(Qt::Key_Right);
    QCOMPARE(letter(2, 2), " ");
    QCOMPARE(SelectedField, TPoint(2, 2));
}

void TestBoardEditingUi::typingIntoBlockClearsIt()
{
    SetLetter({4, 4}, "-");
    FieldAt({4, 4}).Block = true;
    click({4, 4});
    QVERIFY(checkBox(QStringLiteral("Block"))->isChecked());
    type(QStringLiteral("x"));
    QCOMPARE(letter(4, 4), "X");
    QVERIFY(!GetField({4, 4}).Block);
    QVERIFY(!checkBox(QStringLiteral("Block"))->isChecked());
}

void TestBoardEditingUi::deleteKey()
{
    SetLetter({2, 2}, "A");
    FieldAt({2, 2}).BorderTop = true;
    FieldAt({2, 2}).SolutionNumber = 4;
    click({2, 2});
    Modified = false;
    key(Qt::Key_Delete);
    QCOMPARE(GetField({2, 2}), TBoardField{" "});
    QCOMPARE(SelectedField, TPoint(2, 2));
    QVERIFY(Modified);
    QCOMPARE(m_form->sidePanel()->keySink()->text(), KeySink::Text);
    key(Qt::Key_Right);
    QCOMPARE(letter(2, 2), "");

    // A field with a clue number is not removed.
    SetLetter({5, 5}, "B");
    QVERIFY(AddNumber({5, 5}, true));
    click({5, 5});
    key(Qt::Key_Delete);
    QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
    QCOMPARE(m_prompt->lastText(), fieldHasNumber);
    QCOMPARE(letter(5, 5), "B");
    QCOMPARE(SelectedField, TPoint(5, 5));
}

void TestBoardEditingUi::rightClickRemoval()
{
    // The selected provisional field.
    click({3, 3});
    click({3, 3}, Qt::RightButton);
    QCOMPARE(letter(3, 3), "");
    QVERIFY(IsNoField(SelectedField));

    // Another field, while a provisional one is selected: both go.
    SetLetter({6, 2}, "Q");
    FieldAt({6, 2}).BorderLeft = true;
    click({2, 2});
    click({6, 2}, Qt::RightButton);
    QCOMPARE(GetField({6, 2}), EmptyField());
    QCOMPARE(letter(2, 2), "");
    QVERIFY(IsNoField(SelectedField));

    // A field with a number stays, and so does the selection.
    SetLetter({4, 4}, "N");
    QVERIFY(AddNumber({4, 4}, false));
    click({4, 4});
    click({4, 4}, Qt::RightButton);
    QCOMPARE(m_prompt->lastText(), fieldHasNumber);
    QCOMPARE(letter(4, 4), "N");
    QCOMPARE(SelectedField, TPoint(4, 4));
}

void TestBoardEditingUi::leftClickBeyondTheEditingArea()
{
    SetLetter({1, 1}, "A");
    SetLetter({50, 40}, "Z");
    m_form->CheckScrolling();
    m_form->horizontalBar()->setValue(m_form->horizontalBar()->maximum());
    m_form->verticalBar()->setValue(m_form->verticalBar()->maximum());
    click({49, 39});
    QCheckBox *left = checkBox(QStringLiteral("Links"));
    left->setFocus();
    Modified = false;

    for (const TPoint p : {TPoint{51, 39}, TPoint{49, 41}}) {
        QVERIFY(m_form->viewport()->rect().contains(viewportPoint(p)));
        click(p);
        QCOMPARE(SelectedField, TPoint(49, 39));
        QCOMPARE(letter(49, 39), " ");
        QCOMPARE(QApplication::focusWidget(), left);
        QVERIFY(!Modified);
    }
    // The middle button only takes the focus back to the board.
    click({10, 10}, Qt::MiddleButton);
    QCOMPARE(QApplication::focusWidget(), m_form->sidePanel()->keySink());
    QCOMPARE(letter(10, 10), "");
}

void TestBoardEditingUi::doubleClickMakesEmptyField()
{
    // As the platform delivers it: a press, then the double-click that counts as a press.
    click({3, 4});
    QTest::mouseDClick(m_form->viewport(), Qt::LeftButton, Qt::NoModifier, viewportPoint({3, 4}));
    QCOMPARE(letter(3, 4), "-");
    QCOMPARE(SelectedField, TPoint(3, 4));
    QCOMPARE(m_form->lastMouseDown(), viewportPoint({3, 4}));
    // The field stays when the selection moves on.
    key(Qt::Key_Left);
    QCOMPARE(letter(3, 4), "-");
}

void TestBoardEditingUi::arrowLimits()
{
    SelectField({50, 40});
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    QCOMPARE(SelectedField, TPoint(50, 40));
    SelectField({1, 1});
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    QCOMPARE(SelectedField, TPoint(1, 1));
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    QCOMPARE(SelectedField, TPoint(2, 2));
    QCOMPARE(letter(1, 1), "");
}

void TestBoardEditingUi::focusLeaveRule()
{
    KeySink *sink = m_form->sidePanel()->keySink();
    click({5, 5});
    // Check boxes and text fields act on the selected field: it stays.
    for (QWidget *keeps : {static_cast<QWidget *>(checkBox(QStringLiteral("Links"))),
                           child(QStringLiteral("solutionNumber"))}) {
        keeps->setFocus();
        QCOMPARE(letter(5, 5), " ");
        QCOMPARE(SelectedField, TPoint(5, 5));
        sink->setFocus();
    }
    // A spin field does not: the provisional field goes with the selection.
    m_form->findChild<QSpinBox *>()->setFocus();
    QCOMPARE(letter(5, 5), "");
    QVERIFY(IsNoField(SelectedField));

    // A field with a letter stays selected.
    SetLetter({6, 6}, "K");
    click({6, 6});
    child(QStringLiteral("shift1"))->setFocus();
    QCOMPARE(SelectedField, TPoint(6, 6));
}

void TestBoardEditingUi::panelBordersBlockAndNumber()
{
    QCheckBox *left = checkBox(QStringLiteral("Links"));
    auto *number = qobject_cast<QLineEdit *>(child(QStringLiteral("solutionNumber")));

    click({2, 2});
    left->setChecked(true);
    QCOMPARE(letter(2, 2), "-");
    QVERIFY(GetField({2, 2}).BorderLeft);

    // Unticking on a provisional field does nothing.
    click({3, 2});
    QVERIFY(!left->isChecked());
    left->setChecked(true);
    click({4, 2});
    left->setChecked(false);
    QCOMPARE(letter(4, 2), " ");

    // A block holds no letter.
    SetLetter({5, 2}, "A");
    click({5, 2});
    checkBox(QStringLiteral("Block"))->setChecked(true);
    QCOMPARE(GetField({5, 2}).Letter, "-");
    QVERIFY(GetField({5, 2}).Block);
    // "Feld zu Block" inverts the box.
    key(Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!GetField({5, 2}).Block);

    // "0" keeps a provisional field provisional; 2 makes it a field with number 2.
    click({6, 2});
    number->setText(QStringLiteral("x"));
    number->setText(QStringLiteral("0"));
    QCOMPARE(letter(6, 2), " ");
    number->setText(QStringLiteral("2"));
    QCOMPARE(letter(6, 2), "-");
    QCOMPARE(GetField({6, 2}).SolutionNumber, 2);
    // Not a whole number: 0 on an existing field.
    number->setText(QStringLiteral("2a"));
    QCOMPARE(GetField({6, 2}).SolutionNumber, 0);
}

void TestBoardEditingUi::panelRefreshLeavesDocumentUnmodified()
{
    SetLetter({2, 2}, "A");
    FieldAt({2, 2}) = TBoardField{"A", true, true, true, true, 3, false};
    SetLetter({3, 2}, "B");
    click({2, 2});
    Modified = false;
    click({3, 2});
    QVERIFY(!checkBox(QStringLiteral("Oben"))->isChecked());
    QCOMPARE(qobject_cast<QLineEdit *>(child(QStringLiteral("solutionNumber")))->text(), "0");
    QVERIFY(!Modified);
    click({2, 2});
    QVERIFY(checkBox(QStringLiteral("Rechts"))->isChecked());
    QCOMPARE(GetField({2, 2}), (TBoardField{"A", true, true, true, true, 3, false}));
    QVERIFY(!Modified);
}

void TestBoardEditingUi::solutionFrame()
{
    auto *start = qobject_cast<QLabel *>(child(QStringLiteral("startField")));
    auto *end = qobject_cast<QLabel *>(child(QStringLiteral("endField")));
    for (int col = 2; col <= 5; ++col)
        SetLetter({col, 3}, std::string(1, char('A' + col)));
    SetLetter({5, 4}, "X");

    // A provisional field cannot be an end.
    click({8, 8});
    QTest::mouseDClick(start, Qt::LeftButton);
    QVERIFY(IsNoField(Puzzle.StartField));

    click({2, 3});
    QTest::mouseDClick(start, Qt::LeftButton);
    QCOMPARE(Puzzle.StartField, TPoint(2, 3));
    QCOMPARE(start->text(), "C");
    click({5, 4});
    QTest::mouseDClick(end, Qt::LeftButton);
    QCOMPARE(Puzzle.EndField, TPoint(5, 4));
    QVERIFY(IsNoField(Puzzle.StartField));
    QCOMPARE(start->text(), QString());

    click({2, 3});
    QTest::mouseDClick(start, Qt::LeftButton);
    click({5, 3});
    QTest::mouseDClick(end, Qt::LeftButton);
    QCOMPARE(Puzzle.StartField, TPoint(2, 3));
    QCOMPARE(Puzzle.EndField, TPoint(5, 3));
    QCOMPARE(end->text(), "F");

    // Removing an end field clears the frame at the next refresh.
    click({2, 3}, Qt::RightButton);
    click({4, 3});
    QVERIFY(IsNoField(Puzzle.StartField) && IsNoField(Puzzle.EndField));
    QCOMPARE(end->text(), QString());

    click({3, 3});
    QTest::mouseDClick(start, Qt::LeftButton);
    Modified = false;
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("clearFrame"))),
                      Qt::LeftButton);
    QVERIFY(IsNoField(Puzzle.StartField));
    QCOMPARE(start->text(), QString());
    QVERIFY(Modified);
}

void TestBoardEditingUi::shiftButtons()
{
    SetLetter({2, 2}, "A");
    click({2, 2});
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("shift2"))), Qt::LeftButton);
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("shift4"))), Qt::LeftButton);
    QCOMPARE(letter(3, 3), "A");
    QCOMPARE(SelectedField, TPoint(3, 3));
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("shift1"))), Qt::LeftButton);
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("shift3"))), Qt::LeftButton);
    QTest::mouseClick(qobject_cast<QPushButton *>(child(QStringLiteral("shift3"))), Qt::LeftButton);
    QCOMPARE(letter(2, 1), "A");
    QCOMPARE(SelectedField, TPoint(2, 1));
}

void TestBoardEditingUi::dropOnPanel()
{
    auto *number = qobject_cast<QLineEdit *>(child(QStringLiteral("solutionNumber")));
    SetLetter({2, 2}, "A");
    SetLetter({9, 9}, "Z");
    FieldAt({9, 9}).SolutionNumber = 7;
    click({2, 2});
    Modified = false;

    QMimeData foreign;
    foreign.setText(QStringLiteral("5"));
    QVERIFY(!dropOn(number, &foreign));
    QCOMPARE(number->text(), "0");

    std::unique_ptr<QMimeData> field(FieldDrag::createMimeData());
    QVERIFY(dropOn(number, field.get()));
    QCOMPARE(GetField({2, 2}).SolutionNumber, 8);
    QVERIFY(Modified);
    // A field that has a number keeps it.
    QVERIFY(dropOn(child(QStringLiteral("solutionWord")), field.get()));
    QCOMPARE(GetField({2, 2}).SolutionNumber, 8);

    QVERIFY(dropOn(child(QStringLiteral("startField")), field.get()));
    QCOMPARE(Puzzle.StartField, TPoint(2, 2));
}

void TestBoardEditingUi::insertWordThroughMenuAndShortcut()
{
    QAction *horizontal = nullptr;
    for (QAction *action : m_form->findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("Horizontal einfügen"))
            horizontal = action;
    }
    click({2, 2});
    m_prompt->texts << QStringLiteral("haus");
    horizontal->trigger();
    QCOMPARE(m_prompt->inputCaptions.last(), QStringLiteral("Wort horizontal einfügen"));
    QCOMPARE(ReadWord(MakeClueNumber(2, 2, "", true)), "HAUS");

    // Ctrl+V reaches the command while the key sink has the focus; the provisional field
    // stays selected while the input box is open.
    key(Qt::Key_Down);
    m_prompt->texts << QStringLiteral("ei");
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_prompt->inputCaptions.last(), QStringLiteral("Wort vertikal einfügen"));
    QCOMPARE(letter(2, 3), "E");
    QCOMPARE(letter(2, 4), "I");
    QCOMPARE(m_form->sidePanel()->keySink()->text(), KeySink::Text);
}

void TestBoardEditingUi::programSettingsKeepLoadedValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.gsd"));
    SetLetter({1, 3}, "A");
    QVERIFY(AddNumber({1, 3}, true));
    Puzzle.FieldSize = 60;
    Puzzle.BorderWidth = 7;
    Puzzle.NumbersInside = false;
    QVERIFY(SavePuzzle(path));

    m_form->setNumbersInsideChecked(true);
    QVERIFY(LoadPuzzle(path));
    QCOMPARE(Puzzle.FieldSize, 60);
    QCOMPARE(Puzzle.BorderWidth, 7);
    QVERIFY(!Puzzle.NumbersInside);
    QVERIFY(!m_form->numbersInsideChecked());
    QCOMPARE(m_form->findChildren<QSpinBox *>().at(0)->value(), 50);
    QCOMPARE(m_form->findChildren<QSpinBox *>().at(1)->value(), 4);
    QVERIFY(!Modified);
    QVERIFY(m_prompt->shown.isEmpty());

    // The user cannot switch the numbers outside while one stands in column 1.
    checkBox(QStringLiteral("Nummern in Kästchen"))->setChecked(true);
    checkBox(QStringLiteral("Nummern in Kästchen"))->setChecked(false);
    QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Hinweis"));
    QVERIFY(m_form->numbersInsideChecked());
    QVERIFY(Puzzle.NumbersInside);
}

QTEST_MAIN(TestBoardEditingUi)
#include "tst_boardediting_ui.moc"
