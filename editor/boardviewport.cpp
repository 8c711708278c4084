#include "editor/boardviewport.h"

#include "core/puzzle.h"

#include <QPaintEvent>
#include <QPainter>

namespace gs {

namespace {
const QColor background(211, 211, 211);
}

BoardViewport::BoardViewport(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BoardViewport::setOffset(QPoint offset)
{
    if (offset == m_offset)
        return;
    m_offset = offset;
    update();
}

void BoardViewport::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), background);
    painter.drawImage(-m_offset, BoardImage());
}

void BoardViewport::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace gs
