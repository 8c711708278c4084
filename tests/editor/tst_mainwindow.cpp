#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "editor/dialogprompt.h"
#include "editor/keysink.h"
#include "editor/qttranslation.h"
#include "support/mainwindowfixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWheelEvent>

using namespace gs;

namespace {

const QString caption = QString::fromUtf8(ProgramCaption);

void sendWheel(TForm1 &form, QWidget *over, int delta)
{
    const QPointF at = over->mapTo(&form, over->rect().center());
    QWheelEvent wheel(at, form.mapToGlobal(at), {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.windowHandle(), &wheel);
}

void clickButton(QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button->click();
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    MainWindowFixture m_window;
    ScriptedPrompt *m_prompt = nullptr;
    TForm1 *m_form = nullptr;

    void showForm(const QString &startupFile = QString()) { m_window.show(startupFile); }

    // A puzzle reaching to column 50 and row 40, far beyond the window.
    void fillToCorner()
    {
        showForm();
        SetLetter({1, 1}, "A");
        SetLetter({50, 40}, "Z");
        m_form->CheckScrolling();
    }

private slots:
    void init()
    {
        m_window.create();
        m_prompt = m_window.prompt.get();
        m_form = m_window.form.get();
    }

    void cleanup() { m_window.destroy(); }

    void saveQuestion_data()
    {
        QTest::addColumn<QString>("command"); // a menu entry, or empty for closing the window
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Prompt::Answer>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<int>("fileDialogs");

        QTest::newRow("close unmodified") << "" << false << Prompt::Answer::Ok << true << 0;
        // Yes, but the save dialog is cancelled: the changes must not be thrown away.
        QTest::newRow("close, yes, save cancelled")
                << "" << true << Prompt::Answer::Yes << false << 1;
        QTest::newRow("close, no") << "" << true << Prompt::Answer::No << true << 0;
        QTest::newRow("close, cancel") << "" << true << Prompt::Answer::Cancel << false << 0;
        QTest::newRow("new, yes, save cancelled")
                << "Neu" << true << Prompt::Answer::Yes << false << 1;
        QTest::newRow("new, no") << "Neu" << true << Prompt::Answer::No << true << 0;
        QTest::newRow("new, cancel") << "Neu" << true << Prompt::Answer::Cancel << false << 0;
    }

    void saveQuestion()
    {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(Prompt::Answer, answer);
        QFETCH(bool, proceeds);
        QFETCH(int, fileDialogs);

        showForm();
        SetLetter({2, 2}, "A");
        Modified = modified;
        if (modified)
            m_prompt->answers << answer;
        if (command.isEmpty()) {
            QCOMPARE(m_form->close(), proceeds);
            QCOMPARE(m_form->isVisible(), !proceeds);
        } else {
            m_window.action(command)->trigger();
            QCOMPARE(GetLetter({2, 2}), proceeds ? "" : "A");
            QCOMPARE(Modified, !proceeds);
        }
        QCOMPARE(m_prompt->fileDialogs, fileDialogs);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
        QCOMPARE(m_prompt->shown.size(), modified ? 1 : 0);
        if (!modified)
            return;
        const ScriptedPrompt::Shown &question = m_prompt->shown.first();
        QCOMPARE(question.caption, QStringLiteral("Änderungen speichern"));
        QCOMPARE(question.text,
                 QStringLiteral(
                         "Das Felderquiz wurde verändert.\r\nAktuelle Änderungen speichern?"));
        QCOMPARE(question.icon, Prompt::Icon::Question);
        QCOMPARE(question.buttons, Prompt::Buttons::YesNoCancel);
    }

    void saveOpenAndTheSaveQuestion()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quiz.gsd"));
        showForm();
        SetLetter({2, 2}, "A");
        Modified = true;

        // Save on a never-saved puzzle asks for a name.
        m_prompt->texts << path;
        m_window.action(QStringLiteral("Speichern"))->trigger();
        QCOMPARE(m_prompt->fileDialogs, 1);
        QVERIFY(QFile::exists(path) && QFile::exists(path + QStringLiteral(".xml")));
        QCOMPARE(m_form->currentFileName(), path);
        QCOMPARE(m_form->windowTitle(), caption + QStringLiteral(" - quiz.gsd"));
        QVERIFY(!Modified);

        // Yes in the save question saves without a dialog, then New goes on.
        SetLetter({3, 2}, "B");
        Modified = true;
        m_prompt->answers << Prompt::Answer::Yes;
        m_window.action(QStringLiteral("Neu"))->trigger();
        QCOMPARE(m_prompt->fileDialogs, 1);
        QVERIFY(IsBoardEmpty());
        QCOMPARE(m_form->windowTitle(), caption);

        // Open shows what was saved last.
        m_prompt->texts << path;
        m_window.action(QStringLiteral("Öffnen"))->trigger();
        QCOMPARE(GetLetter({3, 2}), std::string("B"));
        QCOMPARE(m_form->currentFileName(), path);
        QVERIFY(!Modified);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
    }

    void startupFileThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder; empty: the folder itself
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "fehlt.gsd"
                                 << " wurde nicht gefunden!";
        QTest::newRow("directory") << ""
                                   << " ist ein Ordner und kann nicht geöffnet werden!";
    }

    void startupFileThatCannotBeOpened()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
        showForm(path);
        QTRY_COMPARE(m_prompt->shown.size(), 1);
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(m_prompt->shown.first().icon, Prompt::Icon::Warning);
        QCOMPARE(m_prompt->lastText(), QStringLiteral("Die Datei ") + path + message);
        QVERIFY(!Modified);
        QVERIFY(IsBoardEmpty());
        QCOMPARE(m_form->windowTitle(), caption);
        QVERIFY(m_form->currentFileName().isEmpty());
    }

    void panelSettingsAndNew()
    {
        showForm();
        auto *fieldSize = m_form->sidePanel()->findChildren<QSpinBox *>().at(0);
        auto *borderWidth = m_form->sidePanel()->findChildren<QSpinBox *>().at(1);
        fieldSize->setValue(44);
        QCOMPARE(Puzzle.FieldSize, 44);
        QVERIFY(Modified);
        Modified = false;
        borderWidth->setValue(3);
        QCOMPARE(Puzzle.BorderWidth, 3);
        QVERIFY(Modified);
        m_form->setNumbersInsideChecked(true);
        QVERIFY(Puzzle.NumbersInside);

        // New puts the controls back; their handlers run, yet the new puzzle is unmodified.
        m_prompt->answers << Prompt::Answer::No;
        m_window.action(QStringLiteral("Neu"))->trigger();
        QCOMPARE(fieldSize->value(), 30);
        QCOMPARE(borderWidth->value(), 1);
        QVERIFY(!m_form->numbersInsideChecked());
        QCOMPARE(Puzzle.FieldSize, 30);
        QCOMPARE(Puzzle.BorderWidth, 1);
        QVERIFY(!Puzzle.NumbersInside);
        QVERIFY(!Modified);
    }

    void wheelMovesTheVerticalBarBy40()
    {
        showForm();
        m_form->CheckScrolling();
        QScrollBar *bar = m_form->verticalBar();
        QVERIFY(!bar->isEnabled());
        sendWheel(*m_form, m_form->viewport(), -120);
        QCOMPARE(bar->value(), 0);

        fillToCorner();
        QVERIFY(bar->isEnabled());
        sendWheel(*m_form, m_form->viewport(), -120);
        QCOMPARE(bar->value(), 40);
        sendWheel(*m_form, m_form->viewport(), -1);
        QCOMPARE(bar->value(), 80);
        sendWheel(*m_form, m_form->viewport(), 120);
        QCOMPARE(bar->value(), 40);
        // Over the bar itself the wheel still moves it by exactly 40.
        sendWheel(*m_form, bar, -120);
        QCOMPARE(bar->value(), 80);
        // The horizontal bar does not follow the wheel.
        QCOMPARE(m_form->horizontalBar()->value(), 0);
    }

    void checkScrolling()
    {
        fillToCorner();
        // Field (50, 40) at size 30 ends at pixel 49 * 29 + 30 = 1451 and 39 * 29 + 30 = 1161.
        const QSize visible = m_form->viewport()->size();
        QVERIFY(m_form->horizontalBar()->isEnabled());
        QCOMPARE(m_form->horizontalBar()->maximum(), 1451 - visible.width() + 40);
        QCOMPARE(m_form->verticalBar()->maximum(), 1161 - visible.height() + 40);

        // The selection beyond the right and bottom edges: on by 3 * (30 div 2) = 45 pixels.
        SelectedField = {50, 40};
        m_form->CheckScrolling();
        QCOMPARE(m_form->scrollPosition(), QPoint(45, 45));
        // Starting before the visible area: back by one field size.
        m_form->horizontalBar()->setValue(500);
        SelectedField = {1, 40};
        m_form->CheckScrolling();
        QCOMPARE(m_form->horizontalBar()->value(), 470);

        // Scrolled down, then the far field goes: the range still reaches the view's position.
        SelectedField = {-1, -1};
        m_form->horizontalBar()->setValue(0);
        m_form->verticalBar()->setValue(100);
        SetLetter({50, 40}, "");
        m_form->CheckScrolling();
        QVERIFY(!m_form->horizontalBar()->isEnabled());
        QCOMPARE(m_form->verticalBar()->maximum(), 30 + 40);
        QCOMPARE(m_form->verticalBar()->value(), 70);
        QCOMPARE(m_form->viewport()->offset(), QPoint(0, 70));
    }

    void wheelLeavesPanelControlsAlone()
    {
        fillToCorner();
        auto *fieldSize = m_form->sidePanel()->findChildren<QSpinBox *>().at(0);
        auto *mode = m_form->sidePanel()->findChild<QComboBox *>();
        SelectField({60 / 2, 10});
        Modified = false;
        for (QWidget *control : {static_cast<QWidget *>(fieldSize), static_cast<QWidget *>(mode)})
            sendWheel(*m_form, control, 120);
        sendWheel(*m_form, fieldSize, -120);
        QCOMPARE(fieldSize->value(), 30);
        QCOMPARE(mode->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), m_form->sidePanel()->keySink());
        QCOMPARE(GetLetter({30, 10}), " "); // the provisional field survives
        QVERIFY(!Modified);
        QCOMPARE(m_form->verticalBar()->value(), 40); // the board still scrolls
    }

    void everyEntryRunsItsCommand()
    {
        struct Row
        {
            QString entry;
            std::function<void()> setUp;
            QString window; // title of the modal window it opens, or empty
            std::function<bool()> done;
        };
        const auto single = [] {
            SetLetter({2, 2}, "A");
            SelectedField = {2, 2};
        };
        const auto word = [single] {
            single();
            SetLetter({3, 2}, "B");
        };
        const auto numbered = [word] {
            word();
            SetLetter({2, 3}, "C");
            Puzzle.Numbers = {{1, 2, 2, "x", true}, {2, 2, 2, "y", false}};
        };
        const QList<Row> rows{
                {"Neu", word, {}, [] { return IsBoardEmpty(); }},
                {"Öffnen", {}, {}, [this] { return m_prompt->fileDialogs == 1; }},
                {"Speichern", {}, {}, [this] { return m_prompt->fileDialogs == 1; }},
                {"Speichern unter...", {}, {}, [this] { return m_prompt->fileDialogs == 1; }},
                {"Gitter einfügen", word, "Gitter einfügen", [] { return true; }},
                {"Feld zu Block",
                 word,
                 {},
                 [] {
                     return GetField({2, 2}).Block;
                 }},
                {"Leere Felder zu Blöcken",
                 [] {
                     SetLetter({4, 4}, "-");
                 },
                 {},
                 [] {
                     return GetField({4, 4}).Block;
                 }},
                {"Leere Felder löschen",
                 [] {
                     SetLetter({4, 4}, "-");
                 },
                 {},
                 [] { return IsBoardEmpty(); }},
                {"Horizontal einfügen",
                 [this, single] { single(), m_prompt->texts << "xy"; },
                 {},
                 [] {
                     return GetLetter({3, 2}) == "Y";
                 }},
                {"Vertikal einfügen",
                 [this, single] { single(), m_prompt->texts << "xy"; },
                 {},
                 [] {
                     return GetLetter({2, 3}) == "Y";
                 }},
                {"Passend einfügen",
                 [this, single] { single(), m_prompt->texts << "ja"; },
                 {},
                 [] {
                     return GetLetter({2, 1}) == "J";
                 }},
                {"Neue Nummer", word, "Nummer einfügen", [] { return true; }},
                {"[1] AB",
                 [this, numbered] { numbered(), m_prompt->answers << Prompt::Answer::Yes; },
                 {},
                 [] {
                     return FindVerNumber({2, 2}).Num == 1;
                 }},
                {"[2] AC",
                 [this, numbered] { numbered(), m_prompt->answers << Prompt::Answer::Yes; },
                 {},
                 [] { return Puzzle.Numbers.size() == 1; }},
                {"Automatisch nummerieren", word, {}, [] { return Puzzle.Numbers.size() == 1; }},
                {"Neu nummerieren (Definitionen erhalten)",
                 [numbered] {
                     numbered(), std::swap(Puzzle.Numbers[0].Hor, Puzzle.Numbers[1].Hor);
                 },
                 {},
                 [] {
                     return FindHorNumber({2, 2}).Num == 1 && FindHorNumber({2, 2}).Text == "y";
                 }},
                {"Alle Nummern löschen",
                 [this, numbered] { numbered(), m_prompt->answers << Prompt::Answer::Yes; },
                 {},
                 [] { return Puzzle.Numbers.empty(); }},
                {"Definitions-Editor", {}, "Definitions-Editor", [] { return true; }},
                {"Raster", {}, {}, [this] { return m_form->rasterShown(); }},
                {"Info", {}, "Info", [] { return true; }},
                {"Beenden", {}, {}, [this] { return !m_form->isVisible(); }},
        };
        showForm();
        auto *numbers = qobject_cast<QMenu *>(m_window.action("Neue Nummer")->parent());
        QList<QAction *> tested;
        for (const Row &row : rows) {
            NewPuzzle();
            RedrawBoard();
            m_prompt->fileDialogs = 0;
            Modified = false;
            if (row.setUp)
                row.setUp();
            emit numbers->aboutToShow();
            QAction *action = m_window.action(row.entry);
            QVERIFY2(action, qPrintable(row.entry));
            tested << action;
            QCOMPARE(MainWindowFixture::withModal([action] { action->trigger(); }), row.window);
            QVERIFY2(row.done(), qPrintable(row.entry));
            QCOMPARE(m_prompt->unexpectedQuestions, 0);
        }
        QCOMPARE(m_prompt->shown.size(), 3); // the three confirmations, no refusal
        // The toolbar buttons are menu entries tested above.
        for (QAction *button : m_form->findChild<QToolBar *>()->actions().mid(0, 10))
            QVERIFY(button->isSeparator() || tested.contains(button));
    }

    void numberCommands()
    {
        showForm();
        SetLetter({1, 2}, "A");
        SetLetter({2, 2}, "B");
        SetLetter({3, 2}, "C");
        const auto refusal = [this](TPoint selected) -> QString {
            SelectedField = selected;
            const auto before = Puzzle.Numbers;
            m_prompt->shown.clear();
            const QString title = MainWindowFixture::withModal(
                    [this] { m_window.action("Neue Nummer")->trigger(); });
            const bool unchanged = title.isEmpty() && Puzzle.Numbers == before;
            return m_prompt->lastCaption() + QLatin1Char('|') + m_prompt->lastText()
                   + (unchanged ? "" : " (changed)");
        };
        const QString noNumber = "Fehler|An dieser Stelle kann keine Nummer eingefügt werden!";
        QCOMPARE(refusal({-1, -1}), "Fehler|Es ist kein Feld markiert!");
        QCOMPARE(refusal({5, 5}), noNumber); // no field
        QCOMPARE(refusal({1, 2}),
                 "Fehler|Um eine Nummer in der linken/oberen Ecke einfügen zu können, muss "
                 "'Nummern in Kästchen' eingeschaltet sein.");
        Puzzle.Numbers = {{1, 2, 2, "", true}, {2, 2, 2, "", false}};
        QCOMPARE(refusal({2, 2}), noNumber);

        // The dialog proposes vertical beside a horizontal number and adds the chosen one.
        Puzzle.Numbers = {{1, 2, 2, "", true}};
        SelectedField = {2, 2};
        QString preselected;
        MainWindowFixture::withModal([this] { m_window.action("Neue Nummer")->trigger(); },
                                     [&](QWidget *dialog) {
                                         auto *list = dialog->findChild<QListWidget *>();
                                         preselected = list->currentItem()->text();
                                         clickButton(dialog, "OK");
                                     });
        QCOMPARE(preselected, QStringLiteral("Vertikaler Pfeil"));
        QCOMPARE(FindVerNumber({2, 2}).Num, 2);

        // Deleting asks; No keeps the number. "Alle Nummern löschen" marks a saved puzzle.
        m_prompt->answers << Prompt::Answer::No << Prompt::Answer::Yes;
        m_window.action("Vertikale Nummer")->trigger();
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Nummer löschen"));
        QCOMPARE(m_prompt->lastText(), QStringLiteral("Nummer 2 wirklich löschen?"));
        QCOMPARE(Puzzle.Numbers.size(), size_t(2));
        Modified = false;
        m_window.action("Alle Nummern löschen")->trigger();
        QCOMPARE(m_prompt->lastText(),
                 "Sollen wirklich alle Nummern (mitsamt Definitionen) gelöscht werden?");
        QVERIFY(Puzzle.Numbers.empty() && Modified);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
    }

    void definitionsEditor()
    {
        showForm();
        for (int row = 2; row <= 4; ++row) {
            SetLetter({2, row}, "\xC4"); // Ä
            SetLetter({3, row}, "S");
            QVERIFY(AddNumber({2, row}, true));
        }
        Puzzle.Numbers[1].Text = "alt";
        Modified = false;
        const auto edit = [this](const std::function<void(QLineEdit *, QWidget *)> &steps) {
            MainWindowFixture::withModal(
                    [this] { m_window.action("Definitions-Editor")->trigger(); },
                    [&](QWidget *dialog) {
                        steps(dialog->findChild<QLineEdit *>("definition"), dialog);
                    });
        };
        edit([](QLineEdit *, QWidget *dialog) { clickButton(dialog, "OK"); });
        QVERIFY(!Modified); // nothing changed, nothing modified

        QString shownWord;
        QString shownDefinition;
        edit([&](QLineEdit *field, QWidget *dialog) {
            field->setText(QStringLiteral("Größe über Öl"));
            QTest::keyClick(field, Qt::Key_Up); // the first row stays
            QTest::keyClick(field, Qt::Key_Down);
            shownWord = dialog->findChild<QLabel *>("word")->text();
            shownDefinition = field->text();
            QTest::keyClick(field, Qt::Key_Down);
            field->setText(QString(300, QLatin1Char('d')));
            QTest::keyClick(field, Qt::Key_Down); // the last row stays
            clickButton(dialog, "OK");
        });
        QCOMPARE(shownWord, QStringLiteral("ÄS"));
        QCOMPARE(shownDefinition, QStringLiteral("alt"));
        QCOMPARE(toQString(Puzzle.Numbers[0].Text), QStringLiteral("Größe über Öl"));
        QCOMPARE(Puzzle.Numbers[1].Text, "alt");
        QCOMPARE(Puzzle.Numbers[2].Text, std::string(255, 'd'));
        QVERIFY(Modified);
    }

    void fileDialogsStartInTheDocumentFolder()
    {
        QVERIFY(InstallQtTranslation());
        QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Size"), QStringLiteral("Größe"));
        QCOMPARE(DialogPrompt::nameFilters(QStringLiteral("Bilder|*.bmp;*.gif|Alle (*.txt)|*.*")),
                 QStringList({"Bilder (*.bmp *.gif)", "Alle (*.*)"}));

        QTemporaryDir documents;
        QTemporaryDir other;
        const QString chosen = other.filePath(QStringLiteral("b.gsd"));
        QFile(chosen).open(QIODevice::WriteOnly);
        DialogPrompt dialogs;
        const QString filter = QStringLiteral("Felderquiz-Dateien (*.gsd)|*.gsd");
        const auto startFolder = [&](const std::function<void()> &open, bool accept) {
            QString folder;
            MainWindowFixture::withModal(open, [&](QWidget *window) {
                auto *dialog = qobject_cast<QFileDialog *>(window);
                folder = dialog->directory().absolutePath();
                if (accept) {
                    dialog->selectFile(chosen);
                    static_cast<QDialog *>(dialog)->accept();
                }
            });
            return folder;
        };
        const QString document = documents.filePath(QStringLiteral("a.gsd"));
        QCOMPARE(startFolder([&] { dialogs.openFileName(filter, "gsd", document); }, true),
                 QDir(documents.path()).absolutePath());
        QCOMPARE(startFolder([&] { dialogs.saveFileName(filter, "gsd", QString()); }, false),
                 QDir(other.path()).absolutePath());
        SetPrompt(m_prompt);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
