#include "editor/fielddroptarget.h"

#include "editor/fielddrag.h"

#include <QDropEvent>
#include <QWidget>

namespace gs {

FieldDropTarget::FieldDropTarget(QWidget *target)
    : QObject(target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FieldDropTarget::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!FieldDrag::VerifyDragging(drop->mimeData())) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            emit dropped();
        return true;
    }
    default:
        return false;
    }
}

} // namespace gs
