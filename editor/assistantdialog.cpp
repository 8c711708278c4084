#include "editor/assistantdialog.h"

#include "assistant/wordfitting.h"
#include "assistant/wordlist.h"
#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/dialogbuttons.h"
#include "editor/previewarea.h"
#include "editor/undohistory.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

constexpr QSize ClientSize(735, 517);
constexpr int ListWidth = 185;
constexpr QSize PreviewSize(497, 361);

} // namespace

TForm9::TForm9(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rätsel-Assistent"));
    auto *tabs = new QTabWidget(this);
    auto *page = new QWidget(tabs);
    tabs->addTab(page, QStringLiteral("Wörter"));

    m_wordList = new QPlainTextEdit(page);
    m_wordList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_wordList->setFixedHeight(225);
    auto *reread = actionButton(QStringLiteral("Definitionen neu einlesen"), page);
    m_unplacedList = new QListWidget(page);
    m_unplacedList->setFixedHeight(145);
    showInRed(m_unplacedList);
    // The column is as wide as the lists, or the button where its text needs more.
    const int listWidth = qMax(ListWidth, reread->sizeHint().width());
    m_wordList->setFixedWidth(listWidth);
    m_unplacedList->setFixedWidth(listWidth);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Geben Sie hier Begriffe ein:"), page));
    left->addWidget(m_wordList);
    left->addWidget(reread);
    left->addWidget(m_unplacedList);
    left->addStretch();

    auto *scroll = previewArea(PreviewSize, Qt::AlignLeft | Qt::AlignTop, page, m_preview);
    m_message = new QLabel(page);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *right = new QVBoxLayout;
    right->addWidget(scroll, 1);
    right->addWidget(m_message);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    m_withNumbers = new QCheckBox(QStringLiteral("Nummern generieren"), page);
    auto *takeFromBoard = actionButton(QStringLiteral("Vom Brett holen"), page);
    auto *generate = actionButton(QStringLiteral("Felderquiz generieren"), page);
    auto *apply = actionButton(QStringLiteral("Übernehmen"), page);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_withNumbers);
    bottom->addStretch();
    bottom->addWidget(takeFromBoard);
    bottom->addWidget(generate);
    bottom->addWidget(apply);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(columns, 1);
    pageLayout->addLayout(bottom);

    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setDefault(true);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(closeRow);

    connect(reread, &QPushButton::clicked, this, &TForm9::rereadDefinitionsClick);
    connect(takeFromBoard, &QPushButton::clicked, this, &TForm9::takeFromBoardClick);
    connect(generate, &QPushButton::clicked, this, &TForm9::generateClick);
    connect(apply, &QPushButton::clicked, this, &TForm9::applyResult);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(sizeHint().expandedTo(ClientSize));
}

void TForm9::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The window system shows the dialog again after it was minimised: that is no new opening,
    // and the result must survive it.
    if (event->spontaneous())
        return;
    m_unplacedList->clear();
    m_message->clear();
    m_withNumbers->setChecked(true);
    // A result from an earlier opening is dropped whole, so board and numbers stay together.
    m_result.reset();
    m_preview->clear();
    m_preview->adjustSize();
    m_wordList->setFocus();
}

void TForm9::generateClick()
{
    const QStringList lines = wordListLines(m_wordList->toPlainText());
    if (lines.size() > MaxWordListLines) {
        ActivePrompt().error(
                QStringLiteral("Die Liste ist zu lang: erlaubt sind höchstens %1 Zeilen.")
                        .arg(MaxWordListLines));
        return;
    }
    std::vector<std::string> words;
    QString error;
    if (!wordsFromLines(lines, words, error)) {
        ActivePrompt().error(error);
        return;
    }
    const Result saved{Puzzle.Board, Puzzle.Numbers};
    FitWords(words, m_withNumbers->isChecked());
    m_unplacedList->clear();
    for (const std::string &word : words)
        m_unplacedList->addItem(toQString(word));
    keepPuzzleAsResult();
    Puzzle.Board = saved.Board;
    Puzzle.Numbers = saved.Numbers;
    RedrawBoard();
    m_message->setText(fittingMessage(int(words.size()), int(lines.size())));
}

void TForm9::applyResult()
{
    if (!m_result)
        return;
    UndoStep step(windowTitle());
    Puzzle.Board = m_result->Board;
    Puzzle.Numbers = m_result->Numbers;
    Modified = true;
    RedrawBoard();
    emit puzzleApplied();
}

void TForm9::takeFromBoardClick()
{
    keepPuzzleAsResult();
}

void TForm9::rereadDefinitionsClick()
{
    if (!ActivePrompt().confirm(
                QStringLiteral("Definitionen neu einlesen"),
                QStringLiteral("Sollen die Definitionen in die Liste eingelesen werden? Dabei wird "
                               "die momentane Liste gelöscht!")))
        return;
    QStringList words;
    for (const TClueNumber &number : Puzzle.Numbers)
        words.append(toQString(ReadWord(number)));
    m_wordList->setPlainText(words.join(QLatin1Char('\n')));
}

void TForm9::keepPuzzleAsResult()
{
    ImageComposition composition;
    QString error;
    if (!composition.Draw(CurrentOutputSettings(), false, false, &error))
        ActivePrompt().error(error);
    m_preview->setPixmap(QPixmap::fromImage(composition.image()));
    m_preview->adjustSize();
    m_result = Result{Puzzle.Board, Puzzle.Numbers};
}

} // namespace gs
