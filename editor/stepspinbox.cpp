#include "editor/stepspinbox.h"

#include <QLineEdit>

namespace gs {

StepSpinBox::StepSpinBox(int minimum, int maximum, QWidget *parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    lineEdit()->setReadOnly(true);
}

} // namespace gs
