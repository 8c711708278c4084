#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

namespace gs {

// The main-window controls that the puzzle core reads and writes. The main window implements
// it; with no view installed the core draws into its own image and leaves the controls alone.
class BoardView
{
public:
    virtual ~BoardView() = default;

    // "Buchstaben zeichnen"
    virtual bool lettersShown() const = 0;
    virtual void setLettersShown(bool on) = 0;
    // "Nummern in Kästchen"; its change handler keeps Puzzle.NumbersInside in step.
    virtual bool numbersInsideChecked() const = 0;
    virtual void setNumbersInsideChecked(bool on) = 0;
    // check mark of "Ansicht" > "Raster"
    virtual bool rasterShown() const = 0;

    // Size of the visible board area and the two scroll positions, for sizing the image.
    virtual QSize visibleBoardSize() const = 0;
    virtual QPoint scrollPosition() const = 0;
    // The core's board image was redrawn or drawn on.
    virtual void boardImageChanged() = 0;
    // Board image back to its origin and both scroll bars to 0.
    virtual void scrollToOrigin() = 0;
    virtual void checkScrolling() = 0;

    // "Feldgröße" and "Rahmendicke"
    virtual void setFieldSizeSpin(int value) = 0;
    virtual void setBorderWidthSpin(int value) = 0;
    // Solution-word mode list back to "Lösungsrahmen", running its change handler.
    virtual void resetSolutionMode() = 0;
    virtual void setStartFieldText(const QString &letter) = 0;
    virtual void setEndFieldText(const QString &letter) = 0;
    // The read-only "Lösungswort" field.
    virtual void setSolutionWordText(const QString &word) = 0;

    virtual void displayWarning(const QString &text) = 0;
    virtual void setCaption(const QString &caption) = 0;
    // The path that "Speichern" writes to; empty for a new document.
    virtual void setCurrentFileName(const QString &fileName) = 0;
    // The output configuration dialog's controls back to their standard values.
    virtual void resetOutputSettings() = 0;
};

} // namespace gs
