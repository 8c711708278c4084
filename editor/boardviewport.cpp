#include "editor/boardviewport.h"

#include "core/puzzle.h"
#include "editor/fielddrag.h"

#include <QDrag>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

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

void BoardViewport::armDrag(int threshold)
{
    m_dragArmed = true;
    m_dragThreshold = std::max(threshold, 1);
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

void BoardViewport::mousePressEvent(QMouseEvent *event)
{
    m_dragArmed = false;
    m_pressPosition = event->position().toPoint();
    emit mousePressed(event->button(), event->buttons(), m_pressPosition + m_offset);
}

void BoardViewport::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    mousePressEvent(event);
}

void BoardViewport::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragArmed || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = event->position().toPoint() - m_pressPosition;
    if (std::max(std::abs(moved.x()), std::abs(moved.y())) < m_dragThreshold)
        return;
    m_dragArmed = false;
    auto *drag = new QDrag(this);
    drag->setMimeData(FieldDrag::createMimeData());
    drag->exec(Qt::CopyAction);
}

void BoardViewport::mouseReleaseEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        m_dragArmed = false;
}

} // namespace gs
