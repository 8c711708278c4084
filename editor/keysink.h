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

protected:
    bool event(QEvent *event) override;
};

} // namespace gs
