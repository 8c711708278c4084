#include "core/puzzlesnapshot.h"
#include "editor/undohistory.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace gs;

class TestUndo : public QObject, public MainWindowFixture
{
    Q_OBJECT

    QUndoStack *stack() const { return form->findChild<QUndoStack *>(); }

    // HAUS across and HUND down from (2, 2), both numbered, SEE down from the S, selected chosen;
    // an empty history.
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
        SelectField(selected);
        form->UpdateFieldPanel();
        form->findChild<UndoHistory *>()->reset();
    }

    static void clickIn(QWidget *window, const QString &text)
    {
        for (QPushButton *candidate : window->findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                return candidate->click();
        }
        QFAIL(qPrintable(text));
    }

private slots:
    void init()
    {
        create();
        show();
    }
    void cleanup() { destroy(); }

    // Each kind of user action is one named step; undo puts the whole puzzle back, redo
    // brings the change again.
    void everyActionIsOneStep()
    {
        const auto trigger = [this](const char *entry) { action(entry)->trigger(); };
        const auto spin = [this](int index, int value) {
            form->sidePanel()->findChildren<QSpinBox *>().at(index)->setValue(value);
        };
        const std::vector<std::pair<QString, std::function<void()>>> actions = {
                {"Eingabe", [] { type("x"); }},
                {"Feld leeren", [] { key(Qt::Key_Delete); }},
                {"Feld entfernen",
                 [this] {
                     click({5, 2}, Qt::RightButton);
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
                {"Feldgröße", [=] { spin(0, 40); }},
                {"Rahmendicke", [=] { spin(1, 3); }},
                {"Nummern in Kästchen", [this] { checkBox("Nummern in Kästchen")->click(); }},
                {"Rahmen löschen", [this] { clickIn(form.get(), "Rahmen löschen"); }},
                {"Felderquiz verschieben", [this] { child<QPushButton>("shift2")->click(); }},
                {"Horizontal einfügen",
                 [=] {
                     prompt->texts << "ab";
                     prompt->answers << Prompt::Answer::Yes; // over the U
                     trigger("Horizontal einfügen");
                 }},
                {"Leere Felder löschen", [=] { trigger("Leere Felder löschen"); }},
                {"Automatisch nummerieren", [=] { trigger("Automatisch nummerieren"); }},
                {"Alle Nummern löschen",
                 [=] { prompt->answers << Prompt::Answer::Yes, trigger("Alle Nummern löschen"); }},
                {"Definitions-Editor",
                 [=] {
                     withModal([=] { trigger("Definitions-Editor"); },
                               [](QWidget *editor) {
                                   editor->findChild<QLineEdit *>()->setText("Wohnhaus");
                               });
                 }},
                {"Ausgabe konfigurieren",
                 [=] {
                     withModal([=] { trigger("Ausgabe konfigurieren"); },
                               [](QWidget *dialog) {
                                   dialog->findChild<QLineEdit *>("Edit12")->setText("Neu");
                                   clickIn(dialog, "OK");
                               });
                 }},
                {"Rätsel-Assistent",
                 [=] {
                     withModal([=] { trigger("Rätsel-Assistent"); },
                               [](QWidget *dialog) {
                                   dialog->findChild<QPlainTextEdit *>()->setPlainText(
                                           "NASE\nEHE\nUHU");
                                   clickIn(dialog, "Felderquiz generieren");
                                   clickIn(dialog, "Übernehmen");
                               });
                 }},
        };
        for (const auto &[name, act] : actions) {
            // The double-click's first press selects the field it then makes.
            prepareBoard(name == "Feld anlegen" ? TPoint{8, 8} : TPoint{3, 2});
            const PuzzleSnapshot before = PuzzleSnapshot::capture(Puzzle);
            act();
            QVERIFY2(!before.matches(Puzzle), qPrintable(name));
            QVERIFY2(stack()->count() == 1, qPrintable(name));
            QCOMPARE(stack()->undoText(), name);
            QCOMPARE(action("Rückgängig: " + name)->isEnabled(), true);
            const PuzzleSnapshot after = PuzzleSnapshot::capture(Puzzle);
            stack()->undo();
            QVERIFY2(before.matches(Puzzle), qPrintable(name));
            stack()->redo();
            QVERIFY2(after.matches(Puzzle), qPrintable(name));
        }
        QCOMPARE(prompt->unexpectedQuestions, 0);
    }

    void refusalsAndSelectionAddNoStep()
    {
        prepareBoard();
        SelectField({2, 2});
        key(Qt::Key_Delete); // the field carries a number
        click({2, 2}, Qt::RightButton);
        click({9, 9});
        key(Qt::Key_Right);
        QCOMPARE(prompt->shown.size(), 2);
        QCOMPARE(stack()->count(), 0);
        QVERIFY(!action("Rückgängig")->isEnabled());
    }

    // Modified follows the history: undoing back to the saved state clears it, and closing
    // then asks nothing; New and Open start an empty history.
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
        stack()->undo();
        QVERIFY(form->close());
        QVERIFY(prompt->shown.isEmpty());

        form->show();
        prompt->texts << path;
        action("Öffnen")->trigger();
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(GetLetter({3, 3}), "A");
    }

    // A file that cannot be opened changes nothing, its history included.
    void aFileThatCannotBeOpenedKeepsTheHistory()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("kaputt.ipuz"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"kind\":") > 0);
        file.close();
        click({3, 3});
        type("a");
        prompt->answers << Prompt::Answer::No;
        prompt->texts << file.fileName();
        action("Öffnen")->trigger();
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(GetLetter({3, 3}), "A");
    }

    void randomEditsUndoAndRedoWhole()
    {
        QRandomGenerator random(42);
        for (int i = 0; i < 300; ++i) {
            const TPoint p{1 + random.bounded(12), 1 + random.bounded(10)};
            const int kind = random.bounded(10);
            if (kind < 6) {
                click(p);
                type(QString(QChar('a' + random.bounded(26))));
            } else if (kind < 8) {
                click(p, Qt::RightButton);
            } else {
                click(p);
                action("Feld zu Block")->trigger();
            }
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
