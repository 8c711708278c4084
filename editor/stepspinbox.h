#pragma once

#include <QSpinBox>

namespace gs {

// A spin box whose value changes only through its up/down buttons and keys; its text cannot be
// typed into.
class StepSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    StepSpinBox(int minimum, int maximum, QWidget *parent = nullptr);
};

} // namespace gs
