#pragma once

#include "core/fontcache.h"

#include <QPainter>
#include <QRgb>
#include <QString>

#include <string>

class QPaintDevice;
class QTransform;

namespace gs {

// A drawing target with the conventions the board drawing is written for: a filled rectangle
// (L, T, R, B) covers L <= x < R, T <= y < B; an outline rectangle puts the pen centred on the
// lines x = L, x = R - 1, y = T, y = B - 1; text has a transparent background and is placed by
// its top-left corner. Font sizes are points at 96 dots per inch. Nothing is antialiased, so a
// picture holds only the exact colours drawn.
class Canvas
{
public:
    // Draws on an image, or on a printer or PDF page (there in vectors and real text).
    explicit Canvas(QPaintDevice &device);

    // Maps the drawing's pixel coordinates onto the device.
    void setTransform(const QTransform &transform);
    QTransform transform() const;
    // Limits drawing to (left, top)-(right, bottom) in drawing coordinates.
    void setClip(int left, int top, int right, int bottom);
    // False when the device could not be drawn on (a printer that cannot start, for instance).
    bool isActive() const { return m_painter.isActive(); }

    void setPen(QRgb color, int width);
    QRgb penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }

    void setFontFamily(const QString &family);
    const QString &fontFamily() const { return m_family; }
    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }
    void setBold(bool bold);
    bool bold() const { return m_bold; }
    void setFontColor(QRgb color);
    QRgb fontColor() const { return m_fontColor; }

    // Outline with the current pen; the inside is not painted.
    void rectangle(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom, QRgb color);
    // Part of the ellipse bounded by (x1, y1)-(x2, y2), counter-clockwise from the ray through
    // (x3, y3) to the ray through (x4, y4), with the current pen.
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Windows-1252 text with its top-left corner at (x, y), in the current font and colour.
    // Without a QGuiApplication there are no fonts: text is skipped and measures 0.
    void textOut(int x, int y, const std::string &text);
    int textWidth(const std::string &text);
    int textHeight(const std::string &text);

private:
    static bool textAvailable();
    FontCache::Font &currentFont();

    QPainter m_painter;
    const bool m_textAvailable = textAvailable();
    QRgb m_penColor = qRgb(0, 0, 0);
    int m_penWidth = 1;
    QString m_family = QStringLiteral("Arial");
    int m_fontSize = 14;
    bool m_bold = false;
    QRgb m_fontColor = qRgb(0, 0, 0);
    // The current font; nullptr after a change until it is looked up.
    FontCache::Font *m_font = nullptr;
    // The font last handed to the painter.
    const FontCache::Font *m_painterFont = nullptr;
};

} // namespace gs
