#include "editor/frameendbox.h"

namespace gs {

FrameEndBox::FrameEndBox(const QString &toolTip, QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setFixedSize(26, 22);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setToolTip(toolTip);
}

void FrameEndBox::mouseDoubleClickEvent(QMouseEvent *)
{
    emit doubleClicked();
}

} // namespace gs
