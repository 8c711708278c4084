#include "core/canvas.h"

#include "core/cp1252.h"
#include "core/rounding.h"

#include <QGuiApplication>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gs {

namespace {

// Point sizes are converted at this resolution, whatever the device's own.
constexpr double DotsPerInch = 96.0;

int pixelSizeOf(int points)
{
    return std::max(1, rnd(points * DotsPerInch / 72.0));
}

// Angle in 1/16 degree of the ray from the ellipse's centre through (x, y), as a parameter of
// the ellipse with radii rx and ry (the angle QPainter's arcs take). Screen y grows downward.
double arcAngle(double cx, double cy, double rx, double ry, int x, int y)
{
    const double dx = x - cx;
    const double dy = cy - y;
    const double radians = std::atan2(ry > 0 ? dy / ry : dy, rx > 0 ? dx / rx : dx);
    return radians * 180.0 / std::numbers::pi * 16.0;
}

} // namespace

Canvas::Canvas(QPaintDevice &device)
    : m_painter(&device)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::setTransform(const QTransform &transform)
{
    m_painter.setWorldTransform(transform);
}

QTransform Canvas::transform() const
{
    return m_painter.worldTransform();
}

void Canvas::setClip(int left, int top, int right, int bottom)
{
    m_painter.setClipRect(QRect(left, top, right - left, bottom - top));
}

bool Canvas::textAvailable()
{
    // Fonts need a QGuiApplication; without one (command-line tools, model tests) only the
    // shapes are drawn.
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

void Canvas::setPen(QRgb color, int width)
{
    m_penColor = color;
    m_penWidth = width;
}

void Canvas::setFontFamily(const QString &family)
{
    m_family = family;
    m_font = nullptr;
}

void Canvas::setFontSize(int points)
{
    m_fontSize = points;
    m_font = nullptr;
}

void Canvas::setBold(bool bold)
{
    m_bold = bold;
    m_font = nullptr;
}

void Canvas::setFontColor(QRgb color)
{
    m_fontColor = color;
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    if (m_penWidth < 1)
        return;
    // The pen covers [line - w div 2, line + (w - 1) div 2] across each of the four lines.
    const int before = m_penWidth / 2;
    const int after = (m_penWidth - 1) / 2;
    const auto line = [&](int x0, int y0, int x1, int y1) {
        fillRect(x0 - before, y0 - before, x1 + after + 1, y1 + after + 1, m_penColor);
    };
    line(left, top, right - 1, top);
    line(left, bottom - 1, right - 1, bottom - 1);
    line(left, top, left, bottom - 1);
    line(right - 1, top, right - 1, bottom - 1);
}

void Canvas::fillRect(int left, int top, int right, int bottom, QRgb color)
{
    if (right <= left || bottom <= top)
        return;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(color));
}

void Canvas::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (m_penWidth < 1)
        return;
    // The ellipse touches x1 and x2 - 1, y1 and y2 - 1, like an outline rectangle.
    const QRectF bounds(x1, y1, x2 - 1 - x1, y2 - 1 - y1);
    const double cx = bounds.center().x();
    const double cy = bounds.center().y();
    const double rx = std::abs(bounds.width()) / 2;
    const double ry = std::abs(bounds.height()) / 2;
    const double start = arcAngle(cx, cy, rx, ry, x3, y3);
    double span = std::fmod(arcAngle(cx, cy, rx, ry, x4, y4) - start, 360.0 * 16);
    if (span <= 0)
        span += 360.0 * 16; // equal rays give the whole ellipse
    m_painter.setPen(QPen(QColor(m_penColor), m_penWidth, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawArc(bounds, int(std::lround(start)), int(std::lround(span)));
}

void Canvas::textOut(int x, int y, const std::string &text)
{
    if (text.empty() || !m_textAvailable)
        return;
    FontCache::Font &font = currentFont();
    if (m_painterFont != &font) {
        m_painter.setFont(font.font);
        m_painterFont = &font;
    }
    m_painter.setPen(QColor(m_fontColor));
    if (const FontCache::Text *kept = font.shortText(text))
        m_painter.drawStaticText(QPoint(x, y), kept->layout);
    else
        m_painter.drawText(x, y + font.metrics.ascent(), toQString(text));
}

int Canvas::textWidth(const std::string &text)
{
    if (!m_textAvailable)
        return 0;
    FontCache::Font &font = currentFont();
    if (const FontCache::Text *kept = font.shortText(text))
        return kept->width;
    return font.metrics.horizontalAdvance(toQString(text));
}

int Canvas::textHeight(const std::string &)
{
    if (!m_textAvailable)
        return 0;
    return currentFont().metrics.height();
}

FontCache::Font &Canvas::currentFont()
{
    if (!m_font)
        m_font = &FontCache::font(m_family, pixelSizeOf(m_fontSize), m_bold);
    return *m_font;
}

} // namespace gs
