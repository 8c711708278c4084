#include "assistant/puzzlegenerator.h"
#include "core/puzzlesnapshot.h"
#include "editor/undohistory.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include <random>

using namespace gs;

namespace {

const QString SchoolWords = QStringLiteral(
        "BÄCKER;Er backt Brot\nBRÜCKE;Führt über den Fluss\nSCHLÜSSEL;Öffnet die Tür\n"
        "FUSSBALL;Rundes Leder\nKUCHEN;Süßes Gebäck\nSCHULE;Hier lernt man\nLEHRER;Gibt "
        "Unterricht\nTAFEL;Wird mit Kreide beschrieben");

// Many made-up words, so that the generator has to search for a while.
QString manyWords()
{
    std::mt19937 random(7);
    QString words;
    for (int i = 0; i < 30000; ++i)
        words += i % 8 == 7 ? QChar(u'\n') : QChar(u'A' + int(random() % 14));
    return words;
}

} // namespace

class TestGeneratorDialog : public QObject, public MainWindowFixture
{
    Q_OBJECT

    // Opens the dialog from the menu and hands it to inside; it is closed afterwards.
    void withDialog(const std::function<void(QWidget *)> &inside)
    {
        QCOMPARE(withModal([this] { action("Rätsel-Generator…")->trigger(); }, inside),
                 QStringLiteral("Rätsel-Generator"));
    }
    static QPushButton *button(QWidget *dialog, const QString &text)
    {
        const auto buttons = dialog->findChildren<QPushButton *>();
        return *std::find_if(
                buttons.begin(), buttons.end(), [&](auto *b) { return b->text() == text; });
    }
    static bool running(QWidget *dialog) { return button(dialog, "Abbrechen")->isEnabled(); }
    static void generate(QWidget *dialog, const QString &list)
    {
        dialog->findChild<QPlainTextEdit *>()->setPlainText(list);
        button(dialog, QStringLiteral("Erzeugen"))->click();
    }

private slots:
    void init()
    {
        create();
        show();
    }
    void cleanup() { destroy(); }

    // The search runs beside the event loop: the window goes on handling events, and
    // "Abbrechen" ends it soon with the best layout found so far, ready to be applied; closing
    // the dialog ends it as well, cutting the search short.
    void generatingInTheBackground()
    {
        withDialog([](QWidget *dialog) {
            int ticks = 0;
            QTimer ticker;
            QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
            ticker.start(10);
            generate(dialog, manyWords());
            QTRY_VERIFY(ticks >= 5);
            QVERIFY(running(dialog));
            button(dialog, QStringLiteral("Abbrechen"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(!running(dialog), 5000);
            auto *figures = dialog->findChild<QLabel *>("figures");
            QVERIFY(figures->text().contains("abgebrochen") && !figures->text().startsWith('0'));
            QVERIFY(button(dialog, QStringLiteral("Übernehmen"))->isEnabled());
            QVERIFY(IsBoardEmpty());
            button(dialog, QStringLiteral("Neu mischen"))->click();
            QVERIFY(running(dialog));
            dialog->close();
            QTRY_VERIFY_WITH_TIMEOUT(!running(dialog), 10000);
            QVERIFY(figures->text().contains("abgebrochen"));
            // Closed at once, the search stopped long before a whole run lays its words.
            std::vector<GeneratorEntry> entries;
            QString error;
            QVERIFY(readGeneratorEntries(manyWords(), entries, error));
            GeneratorOptions options;
            options.budgetMs = 10000;
            const GeneratedLayout whole = generatePuzzle(entries, options);
            QVERIFY(figures->text().section(QLatin1Char(' '), 0, 0).toInt()
                    < int(whole.words.size()));
        });
    }

    // "Übernehmen" asks before replacing letters (No keeps the board) and replaces board,
    // numbers and definitions as one step that one Undo takes back whole.
    void applyingIsOneUndoStep()
    {
        PlaceWord({3, 3}, true, "HAUS");
        Puzzle.Numbers.push_back(MakeClueNumber(3, 3, "Gebäude", true));
        Modified = false;
        UndoHistory::active()->reset();
        const TCrossWordPuzzle before = Puzzle;
        QUndoStack *stack = UndoHistory::active()->stack();
        withDialog([this, &before](QWidget *dialog) {
            generate(dialog, SchoolWords);
            QTRY_VERIFY_WITH_TIMEOUT(!running(dialog), 10000);
            prompt->answers << Prompt::Answer::No << Prompt::Answer::Yes;
            button(dialog, QStringLiteral("Übernehmen"))->click();
            QVERIFY(PuzzleSnapshot::capture(before).matches(Puzzle));
            button(dialog, QStringLiteral("Übernehmen"))->click();
        });
        QCOMPARE(prompt->shown.size(), 2);
        QVERIFY(!Puzzle.Numbers.empty() && !Puzzle.Numbers.front().Text.empty() && Modified);
        QCOMPARE(stack->count(), 1);
        stack->undo();
        QVERIFY(PuzzleSnapshot::capture(before).matches(Puzzle));
        QVERIFY(!Modified);
    }

    // The list stays from one opening to the next; a file that cannot be read leaves it, and
    // "Laden…" puts a readable one in its place.
    void listIsKept()
    {
        withDialog([](QWidget *dialog) {
            dialog->findChild<QPlainTextEdit *>()->setPlainText(SchoolWords);
        });
        const QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("wörter.txt"));
        prompt->texts << fileName << fileName;
        withDialog([&fileName](QWidget *dialog) {
            auto *list = dialog->findChild<QPlainTextEdit *>();
            QCOMPARE(list->toPlainText(), SchoolWords);
            button(dialog, QStringLiteral("Laden…"))->click();
            QCOMPARE(list->toPlainText(), SchoolWords);
            writeFileBytes(fileName, "HAUS;Geb\xC3\xA4ude\n");
            button(dialog, QStringLiteral("Laden…"))->click();
            QCOMPARE(list->toPlainText(), QStringLiteral("HAUS;Gebäude\n"));
        });
        QCOMPARE(prompt->shown.size(), 1);
    }
};

QTEST_MAIN(TestGeneratorDialog)
#include "tst_generatordialog.moc"
