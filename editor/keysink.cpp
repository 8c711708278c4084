#include "editor/keysink.h"

#include <QEvent>

namespace gs {

const QString KeySink::Text
        = QStringLiteral("Klicken Sie hier, um Felder mit den Pfeiltasten zu erzeugen.");

KeySink::KeySink(QWidget *parent)
    : QLineEdit(Text, parent)
{
    setFixedWidth(18);
    setCursorPosition(0);
}

bool KeySink::event(QEvent *event)
{
    // Leaving the override unclaimed lets the shortcut map trigger the menu entry.
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    return QLineEdit::event(event);
}

} // namespace gs
