#pragma once

#include "core/point.h"
#include "editor/panelgroup.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace gs {

class FrameEndBox;

// Group " Lösungswort ": the mode list, the solution frame's start and end boxes with
// "Rahmen löschen", and the read-only distributed solution word.
class SolutionWordGroup : public PanelGroup
{
    Q_OBJECT
public:
    explicit SolutionWordGroup(QWidget *parent = nullptr);

    // Mode list back to "Lösungsrahmen".
    void resetMode();
    void setStartFieldText(const QString &letter);
    void setEndFieldText(const QString &letter);
    void setSolutionWordText(const QString &word);
    // The boxes show the letters of the frame's ends; a frame whose end field is gone is
    // cleared.
    void showFrame();

    // The selected field becomes the start or end of the frame (double-click or drop).
    void StartFieldDblClick();
    void EndFieldDblClick();
    // "Rahmen löschen"
    void RahmenLoeschenClick();

signals:
    // A board field was dropped on the solution-word field.
    void fieldDropped();

protected:
    // The mode list changes only by clicks and keys, never under the mouse wheel.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createFramePage();
    QWidget *createDistributedPage();
    void onModeChanged(int index);
    void assignFrameEnd(TPoint &end, const TPoint &otherEnd, FrameEndBox *box);

    QComboBox *m_mode = nullptr;
    QStackedWidget *m_pages = nullptr;
    FrameEndBox *m_startField = nullptr;
    FrameEndBox *m_endField = nullptr;
    QPushButton *m_clearFrame = nullptr;
    QLineEdit *m_solutionWord = nullptr;
};

} // namespace gs
