#pragma once

#include "assistant/puzzlegenerator.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace gs {

// "Rätsel-Generator": lays an entry list into a new, compact puzzle on a worker thread, shows
// it and replaces the open puzzle with it only on "Übernehmen". It lives for the whole run, so
// the list stays from one opening to the next.
class GeneratorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GeneratorDialog(QWidget *parent = nullptr);
    // Stops a running generation and waits for its worker.
    ~GeneratorDialog() override;

    // "Laden…" starts in the folder that folder gives (empty: the one used last).
    void setDocumentFolder(std::function<QString()> folder)
    {
        m_documentFolder = std::move(folder);
    }

    // "Laden…": a word list file replaces the list; one that cannot be read leaves it as it is.
    void loadClick();
    // "Erzeugen": reads the list and starts the generator with the current seed.
    void generateClick();
    // "Neu mischen": the next seed, then "Erzeugen".
    void reshuffleClick();
    // "Abbrechen": the worker stops soon and hands back the best layout found so far.
    void cancelClick();
    // "Übernehmen": after asking when the board is not empty, the layout replaces board,
    // numbers and definitions as one undo step.
    void applyClick();

signals:
    // The open puzzle was replaced by "Übernehmen".
    void puzzleApplied();

protected:
    // Closing stops a running generation; its best layout is still shown on the next opening.
    void done(int result) override;

private:
    // A layout with the entries it was made from.
    struct Result
    {
        GeneratedLayout layout;
        std::vector<GeneratorEntry> entries;
    };

    // Runs the generator on entries in the worker.
    void startWorker(std::vector<GeneratorEntry> entries);
    // The worker ended: its layout becomes the result.
    void workerFinished();
    // Preview, figures and entries not placed of the result.
    void showResult(bool cancelled);
    // The controls as they are while the worker runs or not.
    void setRunning(bool running);

    QPlainTextEdit *m_list = nullptr;
    QSpinBox *m_cols = nullptr;
    QSpinBox *m_rows = nullptr;
    QSpinBox *m_seconds = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_figures = nullptr;
    QListWidget *m_skipped = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_load = nullptr;
    QPushButton *m_generate = nullptr;
    QPushButton *m_reshuffle = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_apply = nullptr;

    std::function<QString()> m_documentFolder = [] { return QString(); };
    std::uint64_t m_seed = 1;
    // Read by the worker; set to stop it.
    std::atomic_bool m_stop = false;
    QFutureWatcher<GeneratedLayout> m_watcher;
    // The entries of the running generation, until its layout arrives.
    std::vector<GeneratorEntry> m_runningEntries;
    std::optional<Result> m_result;
};

} // namespace gs
