#pragma once

#include <QFont>
#include <QPainter>
#include <QRgb>

#include <string>

class QImage;

namespace gs {

// A drawing target with the conventions the board drawing is written for: a filled rectangle
// (L, T, R, B) covers L <= x < R, T <= y < B; an outline rectangle puts the pen centred on the
// lines x = L, x = R - 1, y = T, y = B - 1; text has a transparent background and is placed by
// its top-left corner. Font sizes are points at 96 dots per inch. Nothing is antialiased, so a
// picture holds only the exact colours drawn.
class Canvas
{
public:
    explicit Canvas(QImage &image);

    void setPen(QRgb color, int width);
    QRgb penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }

    void setFontFamily(const QString &family);
    void setFontSize(int points);
    int fontSize() const { return m_fontSize; }
    void setBold(bool bold);
    void setFontColor(QRgb color);

    // Outline with the current pen; the inside is not painted.
    void rectangle(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom, QRgb color);
    // Part of the ellipse bounded by (x1, y1)-(x2, y2), counter-clockwise from the ray through
    // (x3, y3) to the ray through (x4, y4), with the current pen.
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Windows-1252 text with its top-left corner at (x, y).
    void textOut(int x, int y, const std::string &text);
    int textWidth(const std::string &text);
    int textHeight(const std::string &text);

private:
    void applyFont();

    QPainter m_painter;
    QFont m_font;
    QRgb m_penColor = qRgb(0, 0, 0);
    int m_penWidth = 1;
    int m_fontSize = 14;
    QRgb m_fontColor = qRgb(0, 0, 0);
};

} // namespace gs
