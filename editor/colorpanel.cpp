#include "editor/colorpanel.h"

#include "core/prompt.h"

#include <QColorDialog>
#include <QMouseEvent>

namespace gs {

namespace {

QColor toQColor(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

} // namespace

ColorPanel::ColorPanel(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(25, 17);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setColor(m_color);
}

void ColorPanel::setColor(TColor color)
{
    m_color = color & 0xFFFFFF;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(m_color));
    setPalette(palette);
}

void ColorPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QColor chosen = QColorDialog::getColor(toQColor(m_color), this);
        if (chosen.isValid())
            choose(fromQColor(chosen));
    } else if (event->button() == Qt::RightButton) {
        const std::optional<QString> code = ActivePrompt().input(
                QStringLiteral("HTML-Farbcode-Eingabe"),
                QStringLiteral("Geben Sie den Farbwert als HTML-Hexcode ein:"),
                ColorToHtml(m_color));
        if (code)
            choose(HtmlToColor(*code));
    }
}

void ColorPanel::choose(TColor color)
{
    setColor(color);
    emit colorChosen(m_color);
}

} // namespace gs
