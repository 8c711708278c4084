#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "document/documentfile.h"
#include "editor/dialogprompt.h"
#include "editor/keysink.h"
#include "editor/qttranslation.h"
#include "support/mainwindowfixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
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

// A wheel turn as the window system delivers it: spontaneous, so that it moves the focus to a
// control that takes the focus by the wheel.
void sendWheel(TForm1 &form, QWidget *over, int delta)
{
    const QPointF at = over->mapTo(&form, over->rect().center());
    QWheelEvent wheel(at, form.mapToGlobal(at), {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
    // sendEvent would clear the mark; notify delivers the event as it is, as QTest does.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(form.windowHandle(), &wheel);
}

} // namespace

class TestMainWindow : public QObject, MainWindowFixture
{
    Q_OBJECT

    // A puzzle reaching to column 50 and row 40, far beyond the window.
    void fillToCorner()
    {
        show();
        SetLetter({1, 1}, "A");
        SetLetter({50, 40}, "Z");
        form->CheckScrolling();
    }

private slots:
    void init() { create(); }
    void cleanup() { destroy(); }

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
        QTest::newRow("close, cancel") << "" << true << Prompt::Answer::Cancel << false << 0;
        QTest::newRow("new, no") << "Neu" << true << Prompt::Answer::No << true << 0;
    }

    void saveQuestion()
    {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(Prompt::Answer, answer);
        QFETCH(bool, proceeds);
        QFETCH(int, fileDialogs);

        show();
        SetLetter({2, 2}, "A");
        Modified = modified;
        if (modified)
            prompt->answers << answer;
        if (command.isEmpty()) {
            QCOMPARE(form->close(), proceeds);
            QCOMPARE(form->isVisible(), !proceeds);
        } else {
            action(command)->trigger();
            QCOMPARE(GetLetter({2, 2}), proceeds ? "" : "A");
            QCOMPARE(Modified, !proceeds);
        }
        QCOMPARE(prompt->fileDialogs, fileDialogs);
        QCOMPARE(prompt->unexpectedQuestions, 0);
        QCOMPARE(prompt->shown.size(), modified ? 1 : 0);
        if (!modified)
            return;
        const ScriptedPrompt::Shown &question = prompt->shown.first();
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
        show();
        SetLetter({2, 2}, "A");
        Modified = true;

        // Save on a never-saved puzzle asks for a name.
        prompt->texts << path;
        action(QStringLiteral("Speichern"))->trigger();
        QCOMPARE(prompt->fileDialogs, 1);
        QVERIFY(QFile::exists(path) && QFile::exists(path + QStringLiteral(".xml")));
        QCOMPARE(form->currentFileName(), path);
        QCOMPARE(form->windowTitle(), caption + QStringLiteral(" - quiz.gsd"));
        QVERIFY(!Modified);

        // Yes in the save question saves without a dialog, then New goes on.
        SetLetter({3, 2}, "B");
        Modified = true;
        prompt->answers << Prompt::Answer::Yes;
        action(QStringLiteral("Neu"))->trigger();
        QCOMPARE(prompt->fileDialogs, 1);
        QVERIFY(IsBoardEmpty());
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(LoadPuzzle(path) && GetLetter({3, 2}) == "B");
    }

    // A startup file not read whole leaves the window unnamed; a part read is kept as modified,
    // so that closing asks before it is discarded, as after "Öffnen".
    void startupFileNotReadWhole_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: there is no such file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Die Datei %1 wurde nicht gefunden!";
        QTest::newRow("read in part") << QByteArray("Felderquiz\r\nA\r\n") << "%1";
    }
    void startupFileNotReadWhole()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("alt.txt"));
        if (!content.isEmpty())
            writeFileBytes(path, content);
        show(path);
        QTRY_COMPARE(prompt->shown.size(), 1);
        QCOMPARE(prompt->lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(prompt->shown.first().icon, Prompt::Icon::Warning);
        QVERIFY(prompt->lastText().contains(message.arg(content.isEmpty() ? path : "alt.txt")));
        QCOMPARE(GetLetter({1, 1}), content.isEmpty() ? "" : "A");
        QCOMPARE(Modified, !content.isEmpty());
        QVERIFY(form->currentFileName().isEmpty());
    }

    void checkScrolling()
    {
        fillToCorner();
        // Field (50, 40) at size 30 ends at pixel 49 * 29 + 30 = 1451 and 39 * 29 + 30 = 1161.
        const QSize visible = form->viewport()->size();
        QVERIFY(form->horizontalBar()->isEnabled());
        QCOMPARE(form->horizontalBar()->maximum(), 1451 - visible.width() + 40);
        QCOMPARE(form->verticalBar()->maximum(), 1161 - visible.height() + 40);

        // The selection beyond the right and bottom edges: on by 3 * (30 div 2) = 45 pixels.
        SelectedField = {50, 40};
        form->CheckScrolling();
        QCOMPARE(form->scrollPosition(), QPoint(45, 45));
    }

    void wheelLeavesPanelControlsAlone()
    {
        fillToCorner();
        auto *fieldSize = form->sidePanel()->findChildren<QSpinBox *>().at(0);
        auto *mode = form->sidePanel()->findChild<QComboBox *>();
        SelectField({60 / 2, 10});
        Modified = false;
        for (QWidget *control : {static_cast<QWidget *>(fieldSize), static_cast<QWidget *>(mode)})
            sendWheel(*form, control, 120);
        sendWheel(*form, fieldSize, -120);
        // The board moves by exactly 40 per step, however small, also over the bar itself.
        sendWheel(*form, form->viewport(), -1);
        sendWheel(*form, form->verticalBar(), -120);
        QCOMPARE(fieldSize->value(), 30);
        QCOMPARE(mode->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form->sidePanel()->keySink());
        QCOMPARE(GetLetter({30, 10}), " "); // the provisional field survives
        QVERIFY(!Modified);
        QCOMPARE(form->verticalBar()->value(), 40 + 40 + 40);
        QCOMPARE(form->horizontalBar()->value(), 0);
    }

    void everyEntryRunsItsCommand()
    {
        show();
        auto *numbers = qobject_cast<QMenu *>(action("Neue Nummer")->parent());
        // Triggers entry after setUp on a new puzzle; window: the modal window it must open.
        const auto run = [&](const QString &entry,
                             const std::function<void()> &setUp,
                             const std::function<bool()> &done,
                             const QString &window = {}) {
            NewPuzzle();
            RedrawBoard();
            prompt->fileDialogs = 0;
            Modified = false;
            setUp();
            emit numbers->aboutToShow();
            QAction *command = action(entry);
            QVERIFY2(command, qPrintable(entry));
            QCOMPARE(withModal([command] { command->trigger(); }), window);
            QVERIFY2(done(), qPrintable(entry));
            QCOMPARE(prompt->unexpectedQuestions, 0);
        };
        const auto none = [] {};
        const auto yes = [] { return true; };
        const auto dialogShown = [this] { return prompt->fileDialogs == 1; };
        const auto word = [] {
            SetLetter({2, 2}, "A");
            SetLetter({3, 2}, "B");
            SelectedField = {2, 2};
        };
        const auto typed = [this](const char *text) {
            return [this, text] {
                SetLetter({2, 2}, "A");
                SelectedField = {2, 2};
                prompt->texts << text;
            };
        };
        const auto numbered = [word] {
            word();
            SetLetter({2, 3}, "C");
            Puzzle.Numbers = {{1, 2, 2, "x", true}, {2, 2, 2, "y", false}};
        };
        const auto confirmed = [this, numbered] {
            numbered();
            prompt->answers << Prompt::Answer::Yes;
        };
        const auto emptyField = [] { SetLetter({4, 4}, "-"); };
        run("Neu", word, [] { return IsBoardEmpty(); });
        for (const char *entry : {"Öffnen", "Speichern", "Speichern unter..."})
            run(entry, none, dialogShown);
        run("Feld zu Block", word, [] { return GetField({2, 2}).Block; });
        run("Leere Felder zu Blöcken", emptyField, [] { return GetField({4, 4}).Block; });
        run("Leere Felder löschen", emptyField, [] { return IsBoardEmpty(); });
        run("Horizontal einfügen", typed("xy"), [] { return GetLetter({3, 2}) == "Y"; });
        run("Vertikal einfügen", typed("xy"), [] { return GetLetter({2, 3}) == "Y"; });
        run("Passend einfügen", typed("ja"), [] { return GetLetter({2, 1}) == "J"; });
        run("[1] AB", confirmed, [] { return FindVerNumber({2, 2}).Num == 1; });
        run("[2] AC", confirmed, [] { return Puzzle.Numbers.size() == 1; });
        run("Automatisch nummerieren", word, [] { return Puzzle.Numbers.size() == 1; });
        run(
                "Neu nummerieren (Definitionen erhalten)",
                [numbered] { numbered(), std::swap(Puzzle.Numbers[0].Hor, Puzzle.Numbers[1].Hor); },
                [] {
                    return FindHorNumber({2, 2}).Num == 1 && FindHorNumber({2, 2}).Text == "y";
                });
        run("Alle Nummern löschen", confirmed, [] { return Puzzle.Numbers.empty(); });
        run("Raster", none, [this] { return form->rasterShown(); });
        run("Info", none, yes, "Info");
        run("Bildausgabe", word, yes, "Bildausgabe");
        // On an empty board the web puzzle asks for no file.
        run("Web-Rätsel…", none, [this] { return prompt->fileDialogs == 0; });
        const QTemporaryDir folder;
        const QString webPage = folder.filePath(QStringLiteral("raetsel.html"));
        run(
                "Web-Rätsel…",
                [&] { word(), prompt->texts << webPage; },
                [&] { return QFile::exists(webPage); });
        // The ipuz export proposes the document's name.
        const QString ipuz = folder.filePath(QStringLiteral("anders.ipuz"));
        run(
                "ipuz-Datei…",
                [&] {
                    word(), form->setCurrentFileName(folder.filePath("quiz.gsd")),
                            prompt->texts << ipuz;
                },
                [&] {
                    return prompt->inputDefaults.last() == folder.filePath("quiz.ipuz")
                           && readFileBytes(ipuz).contains("\"solution\"");
                });
        run("Zwischenablage (nur Gitter)", word, [] {
            // Two fields side by side, cropped to what is drawn.
            const QImage grid = QGuiApplication::clipboard()->image();
            return !grid.isNull() && grid.width() > grid.height();
        });
        const auto blockTyped = [this, word] {
            word();
            action("Feld zu Block")->trigger();
        };
        run("Rückgängig: Feld zu Block", blockTyped, [] { return !GetField({2, 2}).Block; });
        run("Wiederholen: Feld zu Block", none, [] { return GetField({2, 2}).Block; });
        run("Beenden", none, [this] { return !form->isVisible(); });
        QCOMPARE(prompt->shown.size(), 3); // the three confirmations, no refusal
        // The toolbar buttons are menu entries (the editing ones walked in the undo test).
        for (QAction *button : form->findChild<QToolBar *>()->actions().mid(0, 12))
            QVERIFY(button->isSeparator() || qobject_cast<QMenu *>(button->parent()));
    }

    void numberCommands()
    {
        show();
        SetLetter({1, 2}, "A");
        SetLetter({2, 2}, "B");
        SetLetter({3, 2}, "C");
        const auto refusal = [this](TPoint selected) -> QString {
            SelectedField = selected;
            const auto before = Puzzle.Numbers;
            prompt->shown.clear();
            const QString title = withModal([this] { action("Neue Nummer")->trigger(); });
            const bool unchanged = title.isEmpty() && Puzzle.Numbers == before;
            return prompt->lastCaption() + QLatin1Char('|') + prompt->lastText()
                   + (unchanged ? "" : " (changed)");
        };
        const QString noNumber = "Fehler|An dieser Stelle kann keine Nummer eingefügt werden!";
        QCOMPARE(refusal({5, 5}), noNumber); // no field
        QCOMPARE(refusal({1, 2}),
                 "Fehler|Um eine Nummer in der linken/oberen Ecke einfügen zu können, muss "
                 "'Nummern in Kästchen' eingeschaltet sein.");
        Puzzle.Numbers = {{1, 2, 2, "", true}, {2, 2, 2, "", false}};
        QCOMPARE(refusal({2, 2}), noNumber);

        // Deleting asks; No keeps the number.
        prompt->answers << Prompt::Answer::No;
        action("Vertikale Nummer")->trigger();
        QCOMPARE(prompt->lastCaption(), QStringLiteral("Nummer löschen"));
        QCOMPARE(prompt->lastText(), QStringLiteral("Nummer 2 wirklich löschen?"));
        QCOMPARE(Puzzle.Numbers.size(), size_t(2));
        QCOMPARE(prompt->unexpectedQuestions, 0);
    }

    // Definitions are stored when the arrow keys walk the list, cut to 255 characters, umlauts
    // kept; opening and closing without a change leaves the puzzle unmodified.
    void definitionsEditor()
    {
        show();
        for (int row = 2; row <= 4; ++row) {
            SetLetter({2, row}, "\xC4"); // Ä
            SetLetter({3, row}, "S");
            QVERIFY(AddNumber({2, row}, true));
        }
        Puzzle.Numbers[1].Text = "alt";
        Modified = false;
        const auto edit = [this](const std::function<void(QLineEdit *, QWidget *)> &steps) {
            withModal([this] { action("Definitions-Editor")->trigger(); },
                      [&](QWidget *dialog) {
                          steps(dialog->findChild<QLineEdit *>("definition"), dialog);
                      });
        };
        edit([](QLineEdit *, QWidget *dialog) { clickButton(dialog, "OK"); });
        QVERIFY(!Modified);

        QString shownWord;
        QString shownDefinition;
        edit([&](QLineEdit *field, QWidget *dialog) {
            field->setText(QStringLiteral("Größe über Öl"));
            QTest::keyClick(field, Qt::Key_Up); // the first row stays
            QTest::keyClick(field, Qt::Key_Down);
            shownWord = dialog->findChild<QLabel *>("word")->text();
            shownDefinition = field->text();
            QTest::keyClick(field, Qt::Key_Down);
            field->setText(QString(300, QChar(0xE4)));
            QTest::keyClick(field, Qt::Key_Down); // the last row stays
            clickButton(dialog, "OK");
        });
        QCOMPARE(shownWord, QStringLiteral("ÄS"));
        QCOMPARE(shownDefinition, QStringLiteral("alt"));
        QCOMPARE(toQString(Puzzle.Numbers[0].Text), QStringLiteral("Größe über Öl"));
        QCOMPARE(Puzzle.Numbers[1].Text, "alt");
        QCOMPARE(Puzzle.Numbers[2].Text, std::string(255, '\xE4'));
        QVERIFY(Modified);
    }

    // Opening and saving start in the document's folder, the exports too (proposing no name).
    void fileDialogsStartInTheDocumentFolder()
    {
        QVERIFY(InstallQtTranslation());
        QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Size"), QStringLiteral("Größe"));
        QCOMPARE(DialogPrompt::nameFilters(QStringLiteral("Bilder|*.bmp;*.gif|Alle (*.txt)|*.*")),
                 QStringList({"Bilder (*.bmp *.gif)", "Alle (*.*)"}));

        QTemporaryDir documents;
        const QString folder = QDir(documents.path()).absolutePath();
        show();
        SetLetter({2, 2}, "A");
        prompt->texts << documents.filePath("a.gsd");
        action("Speichern unter...")->trigger();
        withModal([this] { action("Bildausgabe")->trigger(); },
                  [](QWidget *window) { clickButton(window, "Exportieren"); });
        QCOMPARE(prompt->inputDefaults.last(), folder + '/');

        // A folder name: the dialog starts there and proposes no file.
        DialogPrompt dialogs;
        QString shown;
        withModal([&] { dialogs.saveFileName("Alle|*.*", "gsd", form->documentFolder()); },
                  [&](QWidget *window) {
                      auto *dialog = qobject_cast<QFileDialog *>(window);
                      shown = dialog->directory().absolutePath() + '|'
                              + dialog->findChild<QLineEdit *>()->text();
                      window->close();
                  });
        QCOMPARE(shown, folder + '|');
        SetPrompt(prompt.get());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
