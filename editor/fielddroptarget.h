#pragma once

#include <QObject>

class QWidget;

namespace gs {

// Makes a control of the side panel a drop target for the selected board field: it accepts
// only field drags from the board image and reports the drop. Other drags are refused.
class FieldDropTarget : public QObject
{
    Q_OBJECT
public:
    // Watches target and lives as long as it does.
    explicit FieldDropTarget(QWidget *target);

signals:
    void dropped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace gs
