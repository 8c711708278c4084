#include "editor/keysink.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace gs {

const QString KeySink::Text
        = QStringLiteral("Klicken Sie hier, um Felder mit den Pfeiltasten zu erzeugen.");

KeySink::KeySink(QWidget *parent)
    : QLineEdit(Text, parent)
{
    setFixedWidth(18);
    setCursorPosition(0);
    // Characters arrive as key presses, never as composed input; nothing is dropped or pasted.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

bool KeySink::keepsSelection(const QWidget *control)
{
    if (qobject_cast<const QScrollBar *>(control) || qobject_cast<const QCheckBox *>(control))
        return true;
    // The edit inside a spin field or a combo box belongs to that control.
    const QWidget *owner = control->parentWidget();
    return qobject_cast<const QLineEdit *>(control)
           && !qobject_cast<const QAbstractSpinBox *>(owner)
           && !qobject_cast<const QComboBox *>(owner);
}

bool KeySink::event(QEvent *event)
{
    // Leaving the override unclaimed lets the shortcut map trigger the menu entry.
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    return QLineEdit::event(event);
}

void KeySink::keyPressEvent(QKeyEvent *event)
{
    // Characters are the board's; keys without one (arrows, Home, ...) reach the field as
    // usual, which then shows its text from the start again.
    if (event->text().isEmpty())
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
    resetText();
}

void KeySink::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The focus widget is already the control that takes the focus. A menu, a dialog or
    // another program taking it leaves the board as it is.
    const QWidget *next = QApplication::focusWidget();
    if (event->reason() == Qt::PopupFocusReason || !next || next->window() != window()
        || keepsSelection(next))
        return;
    emit focusLeftBoard();
}

void KeySink::resetText()
{
    if (text() != Text)
        setText(Text);
    // The field shows the start of its text, however the keys moved the cursor.
    setCursorPosition(0);
}

} // namespace gs
