#include "editor/editoricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace gs {

namespace {

// Pictures are drawn on a 16 x 16 grid and rendered at several sizes; lines sit on half units
// so that they stay sharp at 16 pixels.
using Drawing = void (*)(QPainter &);

const QColor outline(64, 64, 64);

QPixmap render(Drawing draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return pixmap;
}

QIcon makeIcon(Drawing draw)
{
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(render(draw, size));
    return icon;
}

void shape(QPainter &p, const QPolygonF &polygon, const QColor &fill, const QColor &line = outline)
{
    p.setPen(QPen(line, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(polygon);
}

void box(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &fill)
{
    shape(p, QPolygonF(QRectF(x, y, w, h)), fill);
}

// One board field of edge 5 with its top-left corner at (x, y).
void cell(QPainter &p, qreal x, qreal y, const QColor &fill = Qt::white)
{
    box(p, x, y, 5, 5, fill);
}

// A dark arrow from 'from' to 'to' with a filled head.
void arrow(QPainter &p, QPointF from, QPointF to)
{
    const QColor blue(32, 80, 160);
    p.setPen(QPen(blue, 1.5, Qt::SolidLine, Qt::FlatCap));
    const QLineF shaft(from, to);
    const QPointF unit = (to - from) / shaft.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - 3.5 * unit;
    p.drawLine(from, base);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({to, base + 2.5 * normal, base - 2.5 * normal}));
}

void drawNewPage(QPainter &p)
{
    shape(p,
          QPolygonF({{2.5, 0.5}, {9.5, 0.5}, {13.5, 4.5}, {13.5, 15.5}, {2.5, 15.5}}),
          Qt::white);
    shape(p, QPolygonF({{9.5, 0.5}, {9.5, 4.5}, {13.5, 4.5}}), QColor(220, 220, 220));
    p.setPen(QPen(QColor(150, 170, 210), 1.0));
    for (qreal y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

void drawFolder(QPainter &p)
{
    const QColor edge(150, 110, 20);
    shape(p,
          QPolygonF({{0.5, 2.5}, {5.5, 2.5}, {7.0, 4.0}, {14.5, 4.0}, {14.5, 13.5}, {0.5, 13.5}}),
          QColor(225, 175, 50),
          edge);
    shape(p,
          QPolygonF({{0.5, 13.5}, {3.0, 6.5}, {15.5, 6.5}, {14.5, 13.5}}),
          QColor(250, 215, 100),
          edge);
}

void drawDisk(QPainter &p)
{
    shape(p,
          QPolygonF({{0.5, 0.5}, {13.5, 0.5}, {15.5, 2.5}, {15.5, 15.5}, {0.5, 15.5}}),
          QColor(60, 100, 180),
          QColor(25, 50, 100));
    box(p, 3.5, 0.5, 9, 6, Qt::white);
    box(p, 4.5, 10.5, 7, 5, QColor(200, 200, 200));
    p.fillRect(QRectF(9, 11.5, 1.5, 3), QColor(60, 60, 60));
}

void drawHorizontalWord(QPainter &p)
{
    for (qreal x : {0.5, 5.5, 10.5})
        cell(p, x, 1.5);
    arrow(p, {1.0, 11.5}, {15.5, 11.5});
}

void drawVerticalWord(QPainter &p)
{
    for (qreal y : {0.5, 5.5, 10.5})
        cell(p, 1.5, y);
    arrow(p, {11.5, 1.0}, {11.5, 15.5});
}

void drawFitWord(QPainter &p)
{
    for (QPointF at :
         {QPointF(0.5, 5.5), QPointF(10.5, 5.5), QPointF(5.5, 0.5), QPointF(5.5, 10.5)})
        cell(p, at.x(), at.y());
    cell(p, 5.5, 5.5, QColor(250, 210, 60));
}

void drawNumber(QPainter &p)
{
    box(p, 1.5, 1.5, 13, 13, Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(3, 1.5, 8, 12), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("1"));
}

void drawDefinitions(QPainter &p)
{
    box(p, 1.5, 2.5, 9, 12, QColor(170, 40, 40));
    box(p, 3.5, 2.5, 7, 10, Qt::white);
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    for (qreal y : {5.5, 7.5, 9.5})
        p.drawLine(QPointF(5, y), QPointF(9, y));
    // The pen, lying across the book's corner.
    p.setPen(QPen(outline, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15.0, 1.0), QPointF(8.5, 10.5));
    p.setPen(QPen(QColor(240, 200, 60), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.6, 1.5), QPointF(8.9, 9.8));
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawPolygon(QPolygonF({{7.4, 10.2}, {9.4, 11.6}, {7.0, 13.0}}));
}

// A hooked arrow turning back to the left: undo. Redo draws it mirrored.
void drawUndo(QPainter &p)
{
    const QColor blue(32, 80, 160);
    QPainterPath hook;
    hook.moveTo(5.0, 6.0);
    hook.lineTo(10.0, 6.0);
    hook.arcTo(QRectF(6.0, 6.0, 8.0, 8.0), 90.0, -180.0);
    hook.lineTo(6.0, 14.0);
    p.setPen(QPen(blue, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({{1.0, 6.0}, {6.0, 1.5}, {6.0, 10.5}}));
}

void drawRedo(QPainter &p)
{
    p.translate(16.0, 0.0);
    p.scale(-1.0, 1.0);
    drawUndo(p);
}

void drawApplication(QPainter &p)
{
    for (qreal x : {0.5, 5.5, 10.5}) {
        for (qreal y : {0.5, 5.5, 10.5})
            cell(p, x, y);
    }
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 3.0 : 7.5;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(8 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
    }
    shape(p, star, QColor(250, 200, 30), QColor(150, 90, 0));
}

void drawShiftArrows(QPainter &p)
{
    // Heads 4.4 wide and 3.5 long on shafts 1.6 wide, so that neighbouring heads stay apart.
    const QPolygonF arrows({{8, 0.5},  {10.2, 4},  {8.8, 4},  {8.8, 7.2}, {12, 7.2}, {12, 5.8},
                            {15.5, 8}, {12, 10.2}, {12, 8.8}, {8.8, 8.8}, {8.8, 12}, {10.2, 12},
                            {8, 15.5}, {5.8, 12},  {7.2, 12}, {7.2, 8.8}, {4, 8.8},  {4, 10.2},
                            {0.5, 8},  {4, 5.8},   {4, 7.2},  {7.2, 7.2}, {7.2, 4},  {5.8, 4}});
    p.setPen(QPen(QColor(30, 50, 90), 0.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(QColor(70, 100, 160));
    p.drawPolygon(arrows);
}

// The preview of a new number: three fields of a word, the first with its number, and an arrow
// along the word.
void drawNumberedWord(QPainter &p, bool hor)
{
    for (int i = 0; i < 3; ++i)
        cell(p, hor ? 0.5 + 5 * i : 5.5, hor ? 5.5 : 0.5 + 5 * i);
    p.setPen(QColor(160, 0, 0));
    QFont font = p.font();
    font.setPixelSize(3);
    p.setFont(font);
    p.drawText(QRectF(hor ? 1.2 : 6.2, hor ? 5.8 : 0.8, 3, 3), Qt::AlignLeft | Qt::AlignTop, "1");
    if (hor)
        arrow(p, {2, 10.5}, {15, 10.5});
    else
        arrow(p, {10.5, 2}, {10.5, 15});
}

void drawHorizontalArrow(QPainter &p)
{
    drawNumberedWord(p, true);
}

void drawVerticalArrow(QPainter &p)
{
    drawNumberedWord(p, false);
}

} // namespace

QPixmap EditorIcons::directionArrow(bool hor, int size)
{
    return render(hor ? drawHorizontalArrow : drawVerticalArrow, size);
}

QIcon EditorIcons::application()
{
    return makeIcon(drawApplication);
}

QIcon EditorIcons::newPage()
{
    return makeIcon(drawNewPage);
}

QIcon EditorIcons::folder()
{
    return makeIcon(drawFolder);
}

QIcon EditorIcons::disk()
{
    return makeIcon(drawDisk);
}

QIcon EditorIcons::horizontalWord()
{
    return makeIcon(drawHorizontalWord);
}

QIcon EditorIcons::verticalWord()
{
    return makeIcon(drawVerticalWord);
}

QIcon EditorIcons::fitWord()
{
    return makeIcon(drawFitWord);
}

QIcon EditorIcons::number()
{
    return makeIcon(drawNumber);
}

QIcon EditorIcons::definitions()
{
    return makeIcon(drawDefinitions);
}

QIcon EditorIcons::undo()
{
    return makeIcon(drawUndo);
}

QIcon EditorIcons::redo()
{
    return makeIcon(drawRedo);
}

QPixmap EditorIcons::shiftArrows(int size)
{
    return render(drawShiftArrows, size);
}

} // namespace gs
