// Placeholder until the board drawing lands.
#include "core/canvas.h"

#include <QImage>

namespace gs {

Canvas::Canvas(QImage &image) : m_painter(&image) {}
void Canvas::setPen(QRgb color, int width) { m_penColor = color; m_penWidth = width; }
void Canvas::setFontFamily(const QString &) {}
void Canvas::setFontSize(int points) { m_fontSize = points; }
void Canvas::setBold(bool) {}
void Canvas::setFontColor(QRgb color) { m_fontColor = color; }
void Canvas::rectangle(int, int, int, int) {}
void Canvas::fillRect(int, int, int, int, QRgb) {}
void Canvas::arc(int, int, int, int, int, int, int, int) {}
void Canvas::textOut(int, int, const std::string &) {}
int Canvas::textWidth(const std::string &) { return 0; }
int Canvas::textHeight(const std::string &) { return 0; }
void Canvas::applyFont() {}

} // namespace gs
