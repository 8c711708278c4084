#pragma once

#include <QSpinBox>

namespace gs {

// A spin box whose value changes only through its up/down buttons and keys; its text cannot be
// typed into, and the mouse wheel over it neither changes it nor takes the focus.
class StepSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    StepSpinBox(int minimum, int maximum, QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace gs
