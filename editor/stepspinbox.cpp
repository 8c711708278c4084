#include "editor/stepspinbox.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace gs {

StepSpinBox::StepSpinBox(int minimum, int maximum, QWidget *parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    lineEdit()->setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
}

void StepSpinBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

} // namespace gs
