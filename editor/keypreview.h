#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace gs {

// Shows the window the key presses of the watched widgets before they handle them, while one
// of them holds the keyboard focus. The keys still reach the widget afterwards.
class KeyPreview : public QObject
{
    Q_OBJECT
public:
    explicit KeyPreview(QObject *parent = nullptr);

    void watch(QWidget *widget);

signals:
    void keyPressed(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace gs
