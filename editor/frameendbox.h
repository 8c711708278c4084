#pragma once

#include <QLabel>

namespace gs {

// The start or end box of the solution frame: a sunken panel showing the letter of its field
// in bold. A double-click assigns the selected field.
class FrameEndBox : public QLabel
{
    Q_OBJECT
public:
    explicit FrameEndBox(const QString &toolTip, QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace gs
