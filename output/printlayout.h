#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QPaintDevice;

namespace gs {

class ImageComposition;

// Where printing puts a picture on a page, in device pixels: scaled by the device's
// resolution over the screen's 96 dots per inch (whole factors), 30 screen pixels below the
// top, centred; a picture larger than the page is scaled down to it, keeping its proportions.
QRect printTarget(QSize picture, int dotsPerInchX, int dotsPerInchY, QSize page);

// Draws the composition onto one page of device (a printer or a PDF writer) at
// printTarget, as vectors and text, clipped to the picture. False when the device could not
// be drawn on.
bool printComposition(const ImageComposition &composition, QPaintDevice &device);

// The title of a print job or PDF: the title text followed by " - Gitterstern".
QString printJobTitle(const ImageComposition &composition);

} // namespace gs
