#include "assistant/wordfitting.h"
#include "core/puzzle.h"
#include "editor/assistantdialog.h"
#include "support/mainwindowfixture.h"
#include "support/placefield.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace gs;

namespace {

void click(QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->text() == text)
            return button->click();
    QFAIL(qPrintable(text));
}

QString message(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->alignment() & Qt::AlignRight)
            return label->text();
    return {};
}

QStringList unplaced(QWidget *window)
{
    QStringList words;
    const QListWidget *list = window->findChild<QListWidget *>();
    for (int i = 0; i < list->count(); ++i)
        words.append(list->item(i)->text());
    words.sort();
    return words;
}

} // namespace

class TestAssistantDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedPrompt> m_prompt;
    std::unique_ptr<TForm9> m_dialog;

    void generate(const QString &text)
    {
        m_dialog->findChild<QPlainTextEdit *>()->setPlainText(text);
        click(m_dialog.get(), QStringLiteral("Felderquiz generieren"));
    }

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
        m_prompt = std::make_unique<ScriptedPrompt>();
        m_dialog = std::make_unique<TForm9>();
        m_dialog->show();
    }

    void cleanup()
    {
        m_dialog.reset();
        m_prompt.reset();
    }

    // The message line by unplaced words and lines; the unplaced words in upper case, an empty
    // line among them; the puzzle itself untouched by generating.
    void messageLine()
    {
        generate(QStringLiteral("haus"));
        QCOMPARE(message(m_dialog.get()),
                 QStringLiteral("Alle Wörter wurden erfolgreich ins Felderquiz eingebaut."));
        QVERIFY(IsBoardEmpty());

        PlaceWord({2, 2}, true, "HAUS");
        const TBoard board = Puzzle.Board;
        const std::vector<TClueNumber> numbers = Puzzle.Numbers;
        generate(QStringLiteral("husar\nqqq"));
        QCOMPARE(message(m_dialog.get()),
                 QStringLiteral("Ein konnte leider 1 Wort nicht eingebaut werden."));
        generate(QStringLiteral("husar\nqqq\n\nxxx\n"));
        QCOMPARE(message(m_dialog.get()),
                 QStringLiteral("Es konnten leider 3 Wörter nicht eingebaut werden."));
        QCOMPARE(unplaced(m_dialog.get()), (QStringList{"", "QQQ", "XXX"}));
        generate(QStringLiteral("qqq"));
        QCOMPARE(message(m_dialog.get()),
                 QStringLiteral("Es konnte leider kein einziges Wort eingebaut werden."));
        QVERIFY(Puzzle.Board == board);
        QVERIFY(Puzzle.Numbers == numbers);
        QVERIFY(m_prompt->shown.isEmpty());
    }

    void emptyListRefused()
    {
        generate(QString());
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(m_prompt->lastText(), QStringLiteral("Die Liste enthält keine Wörter!"));
        QVERIFY(!m_dialog->hasResult());
    }

    // "Übernehmen" applies exactly what the engine makes of the list; before any result it
    // leaves the puzzle alone.
    void applyResult()
    {
        PlaceWord({2, 2}, true, "HAUS");
        click(m_dialog.get(), QStringLiteral("Übernehmen"));
        QVERIFY(!Modified);

        std::vector<std::string> words{"husar", "sau"};
        const TCrossWordPuzzle before = Puzzle;
        FitWords(words, true);
        const TCrossWordPuzzle expected = Puzzle;
        Puzzle = before;
        Modified = false;

        generate(QStringLiteral("husar\nsau"));
        QVERIFY(Puzzle.Numbers.empty());
        click(m_dialog.get(), QStringLiteral("Übernehmen"));
        QVERIFY(Puzzle.Board == expected.Board);
        QVERIFY(Puzzle.Numbers == expected.Numbers);
        QVERIFY(!Puzzle.Numbers.empty());
        QVERIFY(Modified);
    }

    // Yes fills the list with the numbered words of the board; No keeps the list.
    void rereadWords()
    {
        PlaceWord({2, 2}, true, "HAUS");
        PlaceWord({3, 2}, false, "AST");
        Puzzle.Numbers
                = {MakeClueNumber(2, 2, "Gebäude", true), MakeClueNumber(3, 2, "Zweig", false)};
        auto *list = m_dialog->findChild<QPlainTextEdit *>();
        list->setPlainText(QStringLiteral("alt"));
        m_prompt->answers << Prompt::Answer::No << Prompt::Answer::Yes;
        click(m_dialog.get(), QStringLiteral("Definitionen neu einlesen"));
        QCOMPARE(list->toPlainText(), QStringLiteral("alt"));
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Definitionen neu einlesen"));
        click(m_dialog.get(), QStringLiteral("Definitionen neu einlesen"));
        QCOMPARE(list->toPlainText(), QStringLiteral("HAUS\nAST"));
    }

    // From the menu: a result applied refreshes the editor; a reopened dialog has none left.
    void fromMainWindow()
    {
        m_dialog.reset();
        m_prompt.reset();
        MainWindowFixture fixture;
        fixture.create();
        fixture.show();
        QAction *menu = fixture.action(QStringLiteral("Rätsel-Assistent"));
        const QString title = MainWindowFixture::withModal(
                [&] { menu->trigger(); },
                [](QWidget *dialog) {
                    dialog->findChild<QPlainTextEdit *>()->setPlainText("haus");
                    click(dialog, "Felderquiz generieren");
                    click(dialog, "Übernehmen");
                });
        QCOMPARE(title, QStringLiteral("Rätsel-Assistent"));
        QCOMPARE(BoardPicture({10, 10}, {13, 10}), std::string("HAUS"));
        Modified = false;
        NewPuzzle();
        MainWindowFixture::withModal([&] { menu->trigger(); },
                                     [](QWidget *dialog) { click(dialog, "Übernehmen"); });
        QVERIFY(IsBoardEmpty());
        QVERIFY(!Modified);
        fixture.destroy();
    }
};

QTEST_MAIN(TestAssistantDialog)
#include "tst_assistantdialog.moc"
