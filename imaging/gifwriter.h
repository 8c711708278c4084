#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

namespace gs {

// Writes bitmap as a one-image GIF89a file with its exact colours (at most 256, no reduction);
// true when the file was written. The bitmap is converted to 24-bit colour in place. With
// transparent set, the palette entry of transparentColor (a QRgb, 0xAARRGGBB; alpha ignored) is
// marked transparent. Nothing is written when the picture has more than 256 colours, is empty
// or larger than a GIF holds, or the file cannot be written; *error (when given) then gets a
// German reason.
bool SaveBitmapAsGif(const QString &fileName,
                     QImage &bitmap,
                     bool interlaced,
                     QRgb transparentColor,
                     bool transparent,
                     QString *error = nullptr);
// The same encoding into memory; empty when the picture has more than 256 colours, is empty or
// is wider or taller than 65535 pixels, with *error (when given) set to the German reason.
QByteArray EncodeGif(const QImage &bitmap,
                     bool interlaced,
                     QRgb transparentColor,
                     bool transparent,
                     QString *error = nullptr);

} // namespace gs
