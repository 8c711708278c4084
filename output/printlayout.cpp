#include "output/printlayout.h"

#include "core/canvas.h"
#include "core/cp1252.h"
#include "output/imagecomposition.h"

#include <QPaintDevice>
#include <QTransform>

#include <algorithm>

namespace gs {

namespace {

constexpr int ScreenDotsPerInch = 96;
constexpr int TopGap = 30;

} // namespace

QRect printTarget(QSize picture, int dotsPerInchX, int dotsPerInchY, QSize page)
{
    const int sx = std::max(1, dotsPerInchX / ScreenDotsPerInch);
    const int sy = std::max(1, dotsPerInchY / ScreenDotsPerInch);
    const int top = TopGap * sy;
    long long width = 1LL * picture.width() * sx;
    long long height = 1LL * picture.height() * sy;
    const int room = std::max(1, page.height() - top);
    if (width <= page.width() && height <= room)
        return QRect(page.width() / 2 - picture.width() / 2 * sx, top, int(width), int(height));
    const double factor = std::min(double(page.width()) / width, double(room) / height);
    width = std::max(1LL, (long long)(width * factor));
    height = std::max(1LL, (long long)(height * factor));
    return QRect(page.width() / 2 - int(width / 2), top, int(width), int(height));
}

bool printComposition(const ImageComposition &composition, QPaintDevice &device)
{
    const QImage &picture = composition.image();
    if (picture.isNull())
        return true;
    const QRect target = printTarget(picture.size(),
                                     device.logicalDpiX(),
                                     device.logicalDpiY(),
                                     QSize(device.width(), device.height()));
    Canvas canvas(device);
    if (!canvas.isActive())
        return false;
    canvas.setTransform(QTransform(double(target.width()) / picture.width(),
                                   0,
                                   0,
                                   double(target.height()) / picture.height(),
                                   target.left(),
                                   target.top()));
    composition.paint(canvas);
    return true;
}

QString printJobTitle(const ImageComposition &composition)
{
    return toQString(composition.title()) + QStringLiteral(" - Gitterstern");
}

} // namespace gs
