#include "assistant/wordfitting.h"
#include "editor/assistantdialog.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace gs;

class TestAssistantDialog : public QObject
{
    Q_OBJECT

    ScriptedPrompt m_prompt;
    std::unique_ptr<TForm9> m_dialog;

    void click(const QString &text)
    {
        for (QPushButton *button : m_dialog->findChildren<QPushButton *>())
            if (button->text() == text)
                button->click();
    }
    QPlainTextEdit *wordList() const { return m_dialog->findChild<QPlainTextEdit *>(); }
    // Generates from text; the message line and, sorted, the unplaced words.
    QStringList generate(const QString &text)
    {
        wordList()->setPlainText(text);
        click(QStringLiteral("Felderquiz generieren"));
        QStringList unplaced;
        for (const QListWidgetItem *item :
             m_dialog->findChild<QListWidget *>()->findItems(QString(), Qt::MatchStartsWith))
            unplaced.append(item->text());
        unplaced.sort();
        return QStringList{m_dialog->findChild<QLabel *>(QStringLiteral("message"))->text()}
               + unplaced;
    }

private slots:
    void init()
    {
        NewPuzzle();
        Modified = false;
        m_prompt.shown.clear();
        m_dialog = std::make_unique<TForm9>();
        m_dialog->show();
    }

    // The message line by unplaced words and lines, the unplaced words in upper case (an empty
    // line among them), the puzzle itself untouched by generating; an empty list refused.
    void generating()
    {
        QCOMPARE(generate("haus"),
                 QStringList{"Alle Wörter wurden erfolgreich ins Felderquiz eingebaut."});
        QVERIFY(IsBoardEmpty());
        PlaceWord({2, 2}, true, "HAUS");
        const TCrossWordPuzzle before = Puzzle;
        QCOMPARE(generate("husar\nqqq"),
                 (QStringList{"Ein konnte leider 1 Wort nicht eingebaut werden.", "QQQ"}));
        QCOMPARE(generate("husar\nqqq\n\nxxx\n"),
                 (QStringList{
                         "Es konnten leider 3 Wörter nicht eingebaut werden.", "", "QQQ", "XXX"}));
        QCOMPARE(generate("qqq"),
                 (QStringList{"Es konnte leider kein einziges Wort eingebaut werden.", "QQQ"}));
        QVERIFY(Puzzle.Board == before.Board && Puzzle.Numbers == before.Numbers);
        generate(QString());
        QCOMPARE(m_prompt.lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(m_prompt.lastText(), QStringLiteral("Die Liste enthält keine Wörter!"));
    }

    // "Übernehmen" applies exactly what the engine makes of the list; without a result, also
    // after reopening, it leaves the puzzle alone.
    void applying()
    {
        PlaceWord({2, 2}, true, "HAUS");
        std::vector<std::string> words{"husar", "sau"};
        const TCrossWordPuzzle before = Puzzle;
        FitWords(words, true);
        const TCrossWordPuzzle expected = Puzzle;
        Puzzle = before;
        Modified = false;
        generate("husar\nsau");
        click(QStringLiteral("Übernehmen"));
        QVERIFY(Puzzle.Board == expected.Board && Puzzle.Numbers == expected.Numbers);
        QVERIFY(!Puzzle.Numbers.empty() && Modified);
    }
};

QTEST_MAIN(TestAssistantDialog)
#include "tst_assistantdialog.moc"
