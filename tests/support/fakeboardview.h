#pragma once

#include "core/boardview.h"
#include "core/puzzle.h"

namespace gs {

// A stand-in for the main window's controls: keeps what the core writes, answers what it
// reads. Installs itself while it lives.
class FakeBoardView : public BoardView
{
public:
    FakeBoardView() { SetBoardView(this); }
    ~FakeBoardView() override { SetBoardView(nullptr); }

    bool lettersShown() const override { return letters; }
    void setLettersShown(bool on) override { letters = on; }
    bool numbersInsideChecked() const override { return numbersInside; }
    // As the check box's change handler does.
    void setNumbersInsideChecked(bool on) override { numbersInside = Puzzle.NumbersInside = on; }
    bool rasterShown() const override { return raster; }
    QSize visibleBoardSize() const override { return visibleSize; }
    QPoint scrollPosition() const override { return scroll; }
    void boardImageChanged() override { ++imageChanges; }
    void scrollToOrigin() override { scroll = QPoint(0, 0); }
    void checkScrolling() override { ++scrollChecks; }
    void setFieldSizeSpin(int value) override { fieldSizeSpin = value; }
    void setBorderWidthSpin(int value) override { borderWidthSpin = value; }
    void resetSolutionMode() override { ++solutionModeResets; }
    void setStartFieldText(const QString &letter) override { startText = letter; }
    void setEndFieldText(const QString &letter) override { endText = letter; }
    void setSolutionWordText(const QString &word) override { solutionWord = word; }
    void displayWarning(const QString &text) override { warning = text; }
    void setCaption(const QString &text) override { caption = text; }
    void setCurrentFileName(const QString &name) override { fileName = name; }
    void resetOutputSettings() override { ++outputResets; }

    bool letters = true;
    bool numbersInside = false;
    bool raster = false;
    QSize visibleSize{400, 300};
    QPoint scroll{0, 0};
    int imageChanges = 0;
    int scrollChecks = 0;
    int fieldSizeSpin = 0;
    int borderWidthSpin = 0;
    int solutionModeResets = 0;
    int outputResets = 0;
    QString startText;
    QString endText;
    QString solutionWord;
    QString warning;
    QString caption;
    QString fileName;
};

} // namespace gs
