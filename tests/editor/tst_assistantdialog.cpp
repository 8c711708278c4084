#include "assistant/wordfitting.h"
#include "editor/assistantdialog.h"
#include "support/clickbutton.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>

using namespace gs;

class TestAssistantDialog : public QObject
{
    Q_OBJECT

    ScriptedPrompt m_prompt;
    std::unique_ptr<TForm9> m_dialog;

    void click(const QString &text) { clickButton(m_dialog.get(), text); }
    QPlainTextEdit *wordList() const { return m_dialog->findChild<QPlainTextEdit *>(); }
    // The preview's picture has something drawn on it.
    bool previewDrawn() const
    {
        const auto *preview
                = qobject_cast<QLabel *>(m_dialog->findChild<QScrollArea *>()->widget());
        const QImage image = preview->pixmap().toImage();
        QImage blank(image.size(), image.format());
        blank.fill(image.isNull() ? 0 : image.pixel(0, 0));
        return !image.isNull() && image != blank;
    }
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
    // line among them), the preview, the puzzle itself untouched by generating; an empty list
    // refused. On an empty board a line of blanks is not laid first.
    void generating()
    {
        QCOMPARE(generate("      \nhaus"),
                 (QStringList{"Ein konnte leider 1 Wort nicht eingebaut werden.", "      "}));
        QVERIFY(IsBoardEmpty() && previewDrawn());
        PlaceWord({2, 2}, true, "HAUS");
        const TCrossWordPuzzle before = Puzzle;
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

    // "Übernehmen" applies exactly what the engine makes of the list, also after the dialog was
    // minimised and restored, and marks the puzzle modified; a reopened dialog has no result.
    // "Vom Brett holen" keeps the board as it is for "Übernehmen" and shows it.
    void applying()
    {
        PlaceWord({2, 2}, true, "HAUS");
        std::vector<std::string> words{"husar", "sau"};
        const TCrossWordPuzzle before = Puzzle;
        FitWords(words, true);
        const TCrossWordPuzzle expected = Puzzle;
        Puzzle = before;
        generate("husar\nsau");
        m_dialog->showMinimized();
        m_dialog->showNormal();
        Modified = false;
        click(QStringLiteral("Übernehmen"));
        QVERIFY(Puzzle.Board == expected.Board && Puzzle.Numbers == expected.Numbers);
        QVERIFY(!Puzzle.Numbers.empty() && Modified);

        m_dialog->hide();
        m_dialog->show();
        QVERIFY(!previewDrawn());
        Puzzle = before;
        click(QStringLiteral("Übernehmen"));
        QVERIFY(Puzzle.Board == before.Board && Puzzle.Numbers == before.Numbers);

        click(QStringLiteral("Vom Brett holen"));
        QVERIFY(previewDrawn());
        SetLetter({2, 3}, "X");
        Modified = false;
        click(QStringLiteral("Übernehmen"));
        QVERIFY(Puzzle.Board == before.Board && Modified);
    }

    // Yes fills the list with the numbered words of the board; No keeps the list.
    void rereadWords()
    {
        PlaceWord({2, 2}, true, "HAUS");
        PlaceWord({3, 2}, false, "AST");
        Puzzle.Numbers = {MakeClueNumber(2, 2, "Gebäude", true), MakeClueNumber(3, 2, "", false)};
        wordList()->setPlainText(QStringLiteral("alt"));
        m_prompt.answers << Prompt::Answer::No << Prompt::Answer::Yes;
        click(QStringLiteral("Definitionen neu einlesen"));
        QCOMPARE(wordList()->toPlainText(), QStringLiteral("alt"));
        QCOMPARE(m_prompt.lastCaption(), QStringLiteral("Definitionen neu einlesen"));
        click(QStringLiteral("Definitionen neu einlesen"));
        QCOMPARE(wordList()->toPlainText(), QStringLiteral("HAUS\nAST"));
        QCOMPARE(m_prompt.unexpectedQuestions, 0);
    }
};

QTEST_MAIN(TestAssistantDialog)
#include "tst_assistantdialog.moc"
