#pragma once

#include <QLineEdit>

namespace gs {

// The small text field that holds the keyboard focus while the user edits the board. Its text
// never changes; the window's menu shortcuts take precedence over the field's own edit keys
// (Ctrl+C, Ctrl+V, ...).
class KeySink : public QLineEdit
{
    Q_OBJECT
public:
    static const QString Text;

    explicit KeySink(QWidget *parent = nullptr);

    // Controls that may take the focus without ending the editing of the selected field: the
    // scroll bars (they hand the focus straight back), check boxes and text fields.
    static bool keepsSelection(const QWidget *control);

signals:
    // The focus went from here to another control of this window that does not keep the
    // selection (a button, a spin field, the mode list, the side panel).
    void focusLeftBoard();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void resetText();
};

} // namespace gs
