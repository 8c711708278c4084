#include "output/pictureexport.h"

#include "core/savefile.h"
#include "imaging/gifwriter.h"
#include "output/imagecomposition.h"
#include "output/printlayout.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPdfWriter>

namespace gs {

namespace {

// PDF pages are laid out at the screen's resolution, so the picture keeps its size on paper.
constexpr int PdfDotsPerInch = 96;
constexpr double PdfMarginMillimetres = 10;

QString notSaved(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Die Datei %1 wurde nicht gespeichert. %2").arg(fileName, reason);
}

// Encodes the picture as a BMP (1 bit) or JPEG (quality 90) file's bytes.
bool writeImage(const QImage &image, const QByteArray &format, QIODevice &device)
{
    QImageWriter writer(&device, format);
    if (format == "jpeg") {
        writer.setQuality(90);
        writer.setProgressiveScanWrite(false);
    }
    return writer.write(image);
}

bool writePdf(const ImageComposition &composition, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setResolution(PdfDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     QPageLayout::Portrait,
                                     QMarginsF(PdfMarginMillimetres,
                                               PdfMarginMillimetres,
                                               PdfMarginMillimetres,
                                               PdfMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setTitle(printJobTitle(composition));
    writer.setCreator(QStringLiteral("Gitterstern"));
    return printComposition(composition, writer);
}

// The file's bytes in the format its suffix names; empty with reason set when the picture
// cannot be encoded so.
QByteArray
encodePicture(const ImageComposition &composition, const QString &suffix, QString &reason)
{
    const QImage &picture = composition.image();
    QByteArray bytes;
    if (suffix == QLatin1String("gif"))
        return EncodeGif(picture, true, qRgb(255, 255, 255), false, &reason);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool encoded = true;
    if (suffix == QLatin1String("bmp")) {
        const QImage mono = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        encoded = writeImage(mono, "bmp", buffer);
    } else if (suffix == QLatin1String("jpg")) {
        encoded = writeImage(picture.convertToFormat(QImage::Format_RGB888), "jpeg", buffer);
    } else {
        encoded = writePdf(composition, buffer);
    }
    if (!encoded || bytes.isEmpty()) {
        reason = QStringLiteral("Das Bild kann nicht als .%1 kodiert werden.").arg(suffix);
        return QByteArray();
    }
    return bytes;
}

} // namespace

bool ExportPicture(const ImageComposition &composition, const QString &fileName, QString &error)
{
    if (composition.image().isNull()) {
        error = notSaved(fileName, QStringLiteral("Das Bild ist leer."));
        return false;
    }
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("bmp") && suffix != QLatin1String("gif")
        && suffix != QLatin1String("jpg") && suffix != QLatin1String("pdf")) {
        error = notSaved(fileName,
                         QStringLiteral("Bilder werden als .bmp, .gif, .jpg oder .pdf "
                                        "gespeichert; die Endung „%1“ ist unbekannt.")
                                 .arg(QFileInfo(fileName).suffix()));
        return false;
    }
    QString reason;
    const QByteArray bytes = encodePicture(composition, suffix, reason);
    if (!bytes.isEmpty()
        && writeFileSafely(
                fileName, std::string_view(bytes.constData(), size_t(bytes.size())), &reason))
        return true;
    error = notSaved(fileName, reason);
    return false;
}

} // namespace gs
