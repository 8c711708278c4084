#include "editor/keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace gs {

KeyPreview::KeyPreview(QObject *parent)
    : QObject(parent)
{
}

void KeyPreview::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    // A key that the focused control leaves unhandled travels on to its parents; it is seen
    // once, at the control that holds the focus.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget())
        emit keyPressed(static_cast<const QKeyEvent &>(*event));
    return false;
}

} // namespace gs
