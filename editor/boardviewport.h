#pragma once

#include <QPoint>
#include <QWidget>

namespace gs {

// The visible part of the board: light grey, with the core's board image drawn at the negated
// scroll offset. It has no scroll bars of its own; the main window moves it.
class BoardViewport : public QWidget
{
    Q_OBJECT
public:
    explicit BoardViewport(QWidget *parent = nullptr);

    QPoint offset() const { return m_offset; }
    void setOffset(QPoint offset);

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPoint m_offset;
};

} // namespace gs
