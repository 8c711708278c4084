#pragma once

#include <QPoint>
#include <QWidget>

namespace gs {

// The visible part of the board: light grey, with the core's board image drawn at the negated
// scroll offset. It has no scroll bars of its own; the main window moves it. Mouse positions
// are reported in pixels of the board image.
class BoardViewport : public QWidget
{
    Q_OBJECT
public:
    explicit BoardViewport(QWidget *parent = nullptr);

    QPoint offset() const { return m_offset; }
    void setOffset(QPoint offset);

    // After a press: drag the selected field once the pointer has moved threshold pixels
    // from the press with the left button down.
    void armDrag(int threshold);

signals:
    void resized();
    // button went down at pixel; buttons holds every button that is down now.
    void mousePressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pixel);
    // A double-click of the left button, reported before its press.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_offset;
    QPoint m_pressPosition;
    int m_dragThreshold = 0;
    bool m_dragArmed = false;
};

} // namespace gs
