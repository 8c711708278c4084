#pragma once

#include "output/colortext.h"

#include <QFrame>

namespace gs {

// A small coloured panel of the output configuration: a left click opens the colour dialog,
// the right button asks for an HTML colour code ("#RRGGBB").
class ColorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);

    TColor color() const { return m_color; }
    // Shows color without reporting a change.
    void setColor(TColor color);

signals:
    // The user chose a colour.
    void colorChosen(TColor color);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void choose(TColor color);

    TColor m_color = 0xFFFFFF;
};

} // namespace gs
