#pragma once

#include "core/crosswordpuzzle.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace gs {

// The puzzle assistant "Rätsel-Assistent": fits a typed word list into a copy of the puzzle,
// previews it and applies it only on "Übernehmen".
class TForm9 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    // "Felderquiz generieren": fits the word list, keeps the outcome as the result and puts the
    // puzzle back as it was.
    void generateClick();
    // "Übernehmen": replaces board and numbers with the stored result; nothing without one.
    void applyResult();
    // "Vom Brett holen": the puzzle as it is becomes the result and the preview.
    void takeFromBoardClick();
    // "Definitionen neu einlesen": after a Yes, the words of the puzzle's numbers become the list.
    void rereadDefinitionsClick();

    bool hasResult() const { return m_result.has_value(); }

signals:
    // The puzzle's board and numbers were replaced by "Übernehmen".
    void puzzleApplied();

protected:
    // Starts every opening with no unplaced words, no message, no result and numbers on; a
    // restore from minimised keeps them.
    void showEvent(QShowEvent *event) override;

private:
    // A board and number list kept apart from the open puzzle.
    struct Result
    {
        TBoard Board;
        std::vector<TClueNumber> Numbers;
    };

    // Draws the open puzzle without title and definitions into the preview and stores it as
    // the result.
    void keepPuzzleAsResult();

    QPlainTextEdit *m_wordList = nullptr;
    QListWidget *m_unplacedList = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_message = nullptr;
    QCheckBox *m_withNumbers = nullptr;
    std::optional<Result> m_result;
};

} // namespace gs
