#include "editor/previewarea.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollArea>

namespace gs {

QScrollArea *previewArea(QSize minimum, Qt::Alignment alignment, QWidget *parent, QLabel *&preview)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setMinimumSize(minimum);
    scroll->setBackgroundRole(QPalette::Base);
    QPalette white = scroll->palette();
    white.setColor(QPalette::Base, Qt::white);
    scroll->setPalette(white);
    preview = new QLabel(scroll);
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(preview);
    scroll->setAlignment(alignment);
    return scroll;
}

void showInRed(QListWidget *list)
{
    QPalette red = list->palette();
    red.setColor(QPalette::Text, Qt::red);
    list->setPalette(red);
}

} // namespace gs
