#include "editor/panelgroup.h"

#include <QLayout>

namespace gs {

PanelGroup::PanelGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{
}

void PanelGroup::setGroupLayout(QLayout *layout)
{
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    setLayout(layout);
}

} // namespace gs
