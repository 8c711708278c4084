#include "core/puzzlesnapshot.h"
#include "editor/undohistory.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace gs;

class TestUndo : public QObject, public MainWindowFixture
{
    Q_OBJECT

    QUndoStack *stack() const { return form->findChild<QUndoStack *>(); }

    // HAUS across and HUND down from (2, 2), both numbered, SEE down from the S, selected chosen,
    // the board focused; an empty history.
    void prepareBoard(TPoint selected = {3, 2})
    {
        NewPuzzle();
        PlaceWord({2, 2}, true, "HAUS");
        PlaceWord({2, 2}, false, "HUND");
        PlaceWord({5, 2}, false, "SEE"); // not numbered yet
        SetLetter({6, 6}, "-");
        Puzzle.Numbers = {MakeClueNumber(2, 2, "Gebäude", true), MakeClueNumber(2, 2, "", false)};
        Puzzle.Numbers[0].Num = Puzzle.Numbers[1].Num = 1;
        Puzzle.StartField = {3, 2};
        Puzzle.EndField = {5, 2};
        form->sidePanel()->focusKeySink();
        SelectField(selected);
        form->UpdateFieldPanel();
        form->findChild<UndoHistory *>()->reset();
    }

    // The action changed the puzzle as one step named name; undo puts the whole puzzle back,
    // redo brings the change again.
    void checkOneStep(const QString &name, const PuzzleSnapshot &before)
    {
        QVERIFY2(!before.matches(Puzzle), qPrintable(name));
        QVERIFY2(stack()->count() == 1, qPrintable(name));
        const QAction *undo = action("Rückgängig: " + name);
        QVERIFY2(undo && undo->isEnabled(), qPrintable(name));
        const PuzzleSnapshot after = PuzzleSnapshot::capture(Puzzle);
        stack()->undo();
        QVERIFY2(before.matches(Puzzle), qPrintable(name));
        stack()->redo();
        QVERIFY2(after.matches(Puzzle), qPrintable(name));
    }

    // How a menu entry is run: the selected field, what is set up before it is triggered and
    // what is done in the modal window it opens.
    struct Script
    {
        std::function<void()> before = [] {};
        std::function<void(QWidget *)> inside = [](QWidget *) {};
        TPoint selected{3, 2};
    };

    // Runs every entry of the menu (entries of a submenu name their step after it) and checks
    // that each change is one step.
    void walkMenu(QMenu *menu, const QString &submenu, const QMap<QString, Script> &scripts)
    {
        // Not editing: a new document and its history, closing, the history itself, the view
        // and the exports.
        static const QStringList notEditing{
                "Neu", "Beenden", "Rückgängig", "Wiederholen", "Raster", "Exportieren"};
        for (QAction *entry : menu->actions()) {
            const QString name = submenu.isEmpty() ? entry->text().remove("...") : submenu;
            if (entry->isSeparator() || notEditing.contains(name))
                continue;
            if (entry->menu()) {
                walkMenu(entry->menu(), entry->text(), scripts);
                continue;
            }
            // Unscripted entries run with file dialogs and questions cancelled and their window
            // closed; one that changes nothing must at least have asked.
            const Script script = scripts.value(name);
            prepareBoard(script.selected);
            script.before();
            emit menu->aboutToShow();
            const PuzzleSnapshot before = PuzzleSnapshot::capture(Puzzle);
            const auto asked = [this] {
                return prompt->shown.size() + prompt->inputCaptions.size() + prompt->fileDialogs;
            };
            const qsizetype askedBefore = asked();
            const QString window = withModal([entry] { entry->trigger(); }, script.inside);
            if (!scripts.contains(name) && before.matches(Puzzle)) {
                QVERIFY2(!window.isEmpty() || asked() > askedBefore,
                         qPrintable(name + ": changes nothing, asks nothing"));
                QCOMPARE(stack()->count(), 0);
            } else {
                checkOneStep(name, before);
            }
        }
    }

private slots:
    void init()
    {
        create();
        show();
    }
    void cleanup() { destroy(); }

    // Each kind of user action is one named step: every menu entry, and the board and panel
    // actions.
    void everyActionIsOneStep()
    {
        const auto spin = [this](int index, int value) {
            form->sidePanel()->findChildren<QSpinBox *>().at(index)->setValue(value);
        };
        const std::vector<std::pair<QString, std::function<void()>>> actions = {
                {"Eingabe", [] { type("x"); }},
                {"Feld leeren", [] { key(Qt::Key_Delete); }},
                // An end of the frame: the refresh that the next click runs finds the frame
                // already cleared in the step.
                {"Feld entfernen",
                 [this] {
                     click({5, 2}, Qt::RightButton);
                     click({2, 3});
                 }},
                {"Feld anlegen",
                 [this] {
                     click({8, 8});
                     QTest::mouseDClick(
                             form->viewport(), Qt::LeftButton, {}, viewportPoint({8, 8}));
                 }},
                {"Trenner", [this] { checkBox("Oben")->click(); }},
                {"Block", [this] { checkBox("Block")->click(); }},
                {"Lösungsbuchstabennummer",
                 [this] { child<QLineEdit>("solutionNumber")->setText("4"); }},
                {"Lösungsrahmen",
                 [this] { QTest::mouseDClick(child("startField"), Qt::LeftButton); }},
                {"Feldgröße", [=] { spin(0, 40); }},
                {"Rahmendicke", [=] { spin(1, 3); }},
                {"Nummern in Kästchen", [this] { checkBox("Nummern in Kästchen")->click(); }},
                {"Rahmen löschen", [this] { clickButton(form.get(), "Rahmen löschen"); }},
                {"Felderquiz verschieben", [this] { child<QPushButton>("shift2")->click(); }},
        };
        // The double-click's first press selects the field it then makes; the frame's start
        // moves from the selected field.
        const QMap<QString, TPoint> selected{{"Feld anlegen", {8, 8}}, {"Lösungsrahmen", {2, 2}}};
        for (const auto &[name, act] : actions) {
            prepareBoard(selected.value(name, {3, 2}));
            const PuzzleSnapshot before = PuzzleSnapshot::capture(Puzzle);
            act();
            checkOneStep(name, before);
        }

        const auto none = [] {};
        const auto yes = [this] { prompt->answers << Prompt::Answer::Yes; };
        const auto typed = [=](const char *word) {
            return [=] { prompt->texts << word, yes(); }; // over the letters there
        };
        const auto ok = [](QWidget *dialog) { clickButton(dialog, "OK"); };
        const QMap<QString, Script> scripts{
                {"Gitter einfügen", {none, ok}},
                {"Horizontal einfügen", {typed("ab")}},
                {"Vertikal einfügen", {typed("ab")}},
                {"Passend einfügen", {typed("ja")}},
                {"Neue Nummer", {none, ok}},
                {"Nummer löschen", {yes, [](QWidget *) {}, {2, 2}}},
                {"Neu nummerieren (Definitionen erhalten)",
                 {[] { std::swap(Puzzle.Numbers[0].Text, Puzzle.Numbers[1].Text); }}},
                {"Alle Nummern löschen", {yes}},
                {"Definitions-Editor",
                 {none,
                  [](QWidget *editor) { editor->findChild<QLineEdit *>()->setText("Wohnhaus"); }}},
                {"Ausgabe konfigurieren",
                 {none,
                  [](QWidget *dialog) {
                      dialog->findChild<QLineEdit *>("Edit12")->setText("Neu");
                      clickButton(dialog, "OK");
                  }}},
                {"Rätsel-Assistent",
                 {none,
                  [](QWidget *dialog) {
                      dialog->findChild<QPlainTextEdit *>()->setPlainText("NASE\nEHE\nUHU");
                      clickButton(dialog, "Felderquiz generieren");
                      clickButton(dialog, "Übernehmen");
                  }}},
        };
        // After the board and panel actions: the windows opened here keep the focus.
        for (QAction *menu : form->menuBar()->actions())
            walkMenu(menu->menu(), QString(), scripts);
    }

    // Modified follows the history: undoing back to the saved state clears it, and closing
    // then asks nothing; New and Open, also of a file read in part, start an empty history; a
    // file that cannot be opened changes nothing, its history included.
    void modifiedFollowsTheSavedState()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("raetsel.gsd");
        click({3, 3});
        type("a");
        prompt->texts << path;
        action("Speichern unter...")->trigger();
        QVERIFY(!Modified);
        type("b");
        QVERIFY(Modified);
        stack()->undo();
        QVERIFY(!Modified);
        stack()->redo();
        QVERIFY(Modified);
        writeFileBytes(dir.filePath("kaputt.ipuz"), "{\"kind\":");
        const PuzzleSnapshot typed = PuzzleSnapshot::capture(Puzzle);
        prompt->answers << Prompt::Answer::No;
        prompt->texts << dir.filePath("kaputt.ipuz");
        action("Öffnen")->trigger();
        QVERIFY(typed.matches(Puzzle) && stack()->count() == 2);
        stack()->undo();
        QVERIFY(form->close());
        QCOMPARE(prompt->shown.size(), 2); // the save question and the refusal, none on closing

        form->show();
        writeFileBytes(dir.filePath("alt.txt"), "Felderquiz\r\nA\r\n");
        prompt->texts << dir.filePath("alt.txt");
        action("Öffnen")->trigger();
        QCOMPARE(stack()->count(), 0);
        prompt->texts << path;
        prompt->answers << Prompt::Answer::No;
        action("Öffnen")->trigger();
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(GetLetter({3, 3}), "A");
    }

    void randomEditsUndoAndRedoWhole()
    {
        QRandomGenerator random(42);
        for (int i = 0; i < 300; ++i) {
            const TPoint p{1 + random.bounded(12), 1 + random.bounded(10)};
            const int kind = random.bounded(10); // typing, removing a field or making a block
            click(p, kind == 6 || kind == 7 ? Qt::RightButton : Qt::LeftButton);
            if (kind < 6)
                type(QString(QChar('a' + random.bounded(26))));
            else if (kind > 7)
                action("Feld zu Block")->trigger();
        }
        const PuzzleSnapshot final = PuzzleSnapshot::capture(Puzzle);
        QVERIFY(stack()->count() > 250);
        while (stack()->canUndo())
            stack()->undo();
        QVERIFY(IsBoardEmpty());
        while (stack()->canRedo())
            stack()->redo();
        QVERIFY(final.matches(Puzzle));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
