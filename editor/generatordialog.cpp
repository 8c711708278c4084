#include "editor/generatordialog.h"

#include "assistant/wordlist.h"
#include "core/boardview.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/dialogbuttons.h"
#include "editor/previewarea.h"
#include "editor/undohistory.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <initializer_list>

namespace gs {

namespace {

constexpr int ListWidth = 260;
constexpr QSize PreviewSize(520, 400);
constexpr int SkippedHeight = 72;
constexpr QSize StartSize(940, 680);
constexpr int DefaultSeconds = 10;
constexpr int MaxSeconds = 60;
// Below this field size the numbers of the preview are no longer legible.
constexpr int MinPreviewFieldSize = 20;

QSpinBox *spinBox(int minimum, int maximum, int value, QWidget *parent)
{
    auto *result = new QSpinBox(parent);
    result->setRange(minimum, maximum);
    result->setValue(value);
    return result;
}

// The layout drawn as the picture output draws a puzzle, without title and definitions, with
// fields made smaller where that lets it fit into room. It is laid into the puzzle only for the
// drawing, with no view installed; the open puzzle, its selection and its modified mark are put
// back also when drawing fails.
QImage drawLayout(const GeneratedLayout &layout,
                  const std::vector<GeneratorEntry> &entries,
                  QSize room,
                  QString &error)
{
    struct Restore
    {
        TCrossWordPuzzle puzzle = Puzzle;
        TPoint selection = SelectedField;
        bool modified = Modified;
        BoardView *view = View();
        ~Restore()
        {
            Puzzle = std::move(puzzle);
            SelectedField = selection;
            Modified = modified;
            SetBoardView(view);
        }
    };
    ImageComposition composition;
    {
        Restore restore;
        SetBoardView(nullptr);
        applyGeneratedLayout(layout, entries);
        // One more field each way for the numbers beside the words, and one for the margin.
        const int fitting
                = std::min(room.width() / (layout.cols + 2), room.height() / (layout.rows + 2)) + 1;
        Puzzle.FieldSize = std::min(Puzzle.FieldSize, std::max(fitting, MinPreviewFieldSize));
        composition.Draw(CurrentOutputSettings(), false, false, &error);
    }
    // Numbering the layout drew its numbers onto the editor's board image.
    RedrawBoard();
    return composition.image();
}

} // namespace

GeneratorDialog::GeneratorDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rätsel-Generator"));

    m_list = new QPlainTextEdit(this);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setPlaceholderText(QStringLiteral("Ein Begriff je Zeile:\nWORT;Definition"));
    m_list->setFixedWidth(ListWidth);
    m_load = actionButton(QStringLiteral("Laden…"), this);
    m_cols = spinBox(2, MaxCols, MaxCols, this);
    m_rows = spinBox(2, MaxRows, MaxRows, this);
    m_seconds = spinBox(1, MaxSeconds, DefaultSeconds, this);
    m_seconds->setSuffix(QStringLiteral(" s"));
    auto *box = new QHBoxLayout;
    box->addWidget(new QLabel(QStringLiteral("Spalten:"), this));
    box->addWidget(m_cols);
    box->addWidget(new QLabel(QStringLiteral("Zeilen:"), this));
    box->addWidget(m_rows);
    box->addStretch();
    auto *time = new QHBoxLayout;
    time->addWidget(new QLabel(QStringLiteral("Suchzeit höchstens:"), this));
    time->addWidget(m_seconds);
    time->addStretch();
    time->addWidget(m_load);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Begriffe mit Definitionen:"), this));
    left->addWidget(m_list, 1);
    left->addLayout(time);
    left->addWidget(new QLabel(QStringLiteral("Größtes Rätsel:"), this));
    left->addLayout(box);

    m_scroll = previewArea(PreviewSize, Qt::AlignCenter, this, m_preview);
    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("figures"));
    m_skipped = new QListWidget(this);
    m_skipped->setFixedHeight(SkippedHeight);
    showInRed(m_skipped);
    auto *right = new QVBoxLayout;
    right->addWidget(m_scroll, 1);
    right->addWidget(m_figures);
    right->addWidget(new QLabel(QStringLiteral("Nicht eingebaut:"), this));
    right->addWidget(m_skipped);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_generate = actionButton(QStringLiteral("Erzeugen"), this);
    m_reshuffle = actionButton(QStringLiteral("Neu mischen"), this);
    m_cancel = actionButton(QStringLiteral("Abbrechen"), this);
    m_apply = actionButton(QStringLiteral("Übernehmen"), this);
    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addWidget(m_generate);
    bottom->addWidget(m_reshuffle);
    bottom->addWidget(m_cancel);
    bottom->addSpacing(12);
    bottom->addWidget(m_apply);
    bottom->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    connect(m_load, &QPushButton::clicked, this, &GeneratorDialog::loadClick);
    connect(m_generate, &QPushButton::clicked, this, &GeneratorDialog::generateClick);
    connect(m_reshuffle, &QPushButton::clicked, this, &GeneratorDialog::reshuffleClick);
    connect(m_cancel, &QPushButton::clicked, this, &GeneratorDialog::cancelClick);
    connect(m_apply, &QPushButton::clicked, this, &GeneratorDialog::applyClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_watcher,
            &QFutureWatcher<GeneratedLayout>::progressValueChanged,
            m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher,
            &QFutureWatcher<GeneratedLayout>::finished,
            this,
            &GeneratorDialog::workerFinished);
    setRunning(false);
    resize(StartSize);
}

GeneratorDialog::~GeneratorDialog()
{
    m_stop = true;
    m_watcher.waitForFinished();
}

void GeneratorDialog::done(int result)
{
    m_stop = true;
    QDialog::done(result);
}

void GeneratorDialog::loadClick()
{
    const std::optional<QString> fileName
            = ActivePrompt().openFileName(QStringLiteral("Wortlisten (*.txt)|*.txt|Alle Dateien "
                                                         "(*.*)|*.*"),
                                          QStringLiteral("txt"),
                                          m_documentFolder());
    if (!fileName)
        return;
    QString text;
    QString error;
    if (!readWordListText(*fileName, text, error)) {
        ActivePrompt().error(error);
        return;
    }
    // Replaced through the cursor, so that the list's own undo brings the old text back.
    QTextCursor cursor(m_list->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

void GeneratorDialog::generateClick()
{
    std::vector<GeneratorEntry> entries;
    QString error;
    if (!readGeneratorEntries(m_list->toPlainText(), entries, error)) {
        ActivePrompt().error(error);
        return;
    }
    startWorker(std::move(entries));
}

void GeneratorDialog::reshuffleClick()
{
    ++m_seed;
    generateClick();
}

void GeneratorDialog::cancelClick()
{
    m_stop = true;
}

void GeneratorDialog::applyClick()
{
    if (!m_result || m_result->layout.words.empty() || m_watcher.isRunning())
        return;
    if ((!IsBoardEmpty() || !Puzzle.Numbers.empty())
        && !ActivePrompt().confirm(windowTitle(),
                                   QStringLiteral("Das Felderquiz ist nicht leer. Sollen Gitter, "
                                                  "Nummern und Definitionen durch das erzeugte "
                                                  "Rätsel ersetzt werden?")))
        return;
    UndoStep step(windowTitle());
    applyGeneratedLayout(m_result->layout, m_result->entries);
    RedrawBoard();
    emit puzzleApplied();
}

void GeneratorDialog::startWorker(std::vector<GeneratorEntry> entries)
{
    m_runningEntries = std::move(entries);
    const GeneratorOptions options{
            m_seed, m_cols->value(), m_rows->value(), m_seconds->value() * 1000};
    m_stop = false;
    m_progress->setValue(0);
    m_figures->setText(QStringLiteral("Das Rätsel wird erzeugt …"));
    setRunning(true);
    // The worker gets its own copy of the entries and touches nothing but it and the stop flag.
    m_watcher.setFuture(QtConcurrent::run([entries = m_runningEntries, options, stop = &m_stop](
                                                  QPromise<GeneratedLayout> &promise) {
        promise.setProgressRange(0, 100);
        try {
            promise.addResult(generatePuzzle(entries, options, stop, [&](int percent) {
                promise.setProgressValue(percent);
            }));
        } catch (...) {
            // No result: the dialog reports that nothing could be generated.
        }
    }));
}

void GeneratorDialog::workerFinished()
{
    const QFuture<GeneratedLayout> future = m_watcher.future();
    const bool cancelled = m_stop;
    setRunning(false);
    m_progress->setValue(cancelled ? m_progress->value() : 100);
    if (future.resultCount() == 0) {
        ActivePrompt().error(QStringLiteral("Das Rätsel konnte nicht erzeugt werden."));
        return;
    }
    m_result = Result{future.result(), std::move(m_runningEntries)};
    m_runningEntries.clear();
    showResult(cancelled);
}

void GeneratorDialog::showResult(bool cancelled)
{
    QString error;
    const QImage picture
            = drawLayout(m_result->layout, m_result->entries, m_scroll->viewport()->size(), error);
    if (!error.isEmpty())
        ActivePrompt().error(error);
    m_preview->setPixmap(QPixmap::fromImage(picture));
    m_preview->adjustSize();
    QString figures = generatorFigures(m_result->layout, int(m_result->entries.size()));
    if (cancelled)
        figures += QStringLiteral(" · abgebrochen, bisher bestes Ergebnis");
    m_figures->setText(figures);
    m_skipped->clear();
    m_skipped->addItems(skippedEntryLines(m_result->layout, m_result->entries));
    m_apply->setEnabled(!m_result->layout.words.empty());
}

void GeneratorDialog::setRunning(bool running)
{
    m_list->setReadOnly(running);
    const std::initializer_list<QWidget *> settings{
            m_load, m_cols, m_rows, m_seconds, m_generate, m_reshuffle};
    for (QWidget *control : settings)
        control->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_apply->setEnabled(!running && m_result && !m_result->layout.words.empty());
}

} // namespace gs
