#include "output/pictureexport.h"

#include "imaging/gifwriter.h"
#include "output/imagecomposition.h"
#include "output/printlayout.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace gs {

namespace {

// PDF pages are laid out at the screen's resolution, so the picture keeps its size on paper.
constexpr int PdfDotsPerInch = 96;
constexpr double PdfMarginMillimetres = 10;

QString notSaved(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Die Datei %1 wurde nicht gespeichert. %2").arg(fileName, reason);
}

bool writeImage(const QImage &image, const QByteArray &format, QSaveFile &file)
{
    QImageWriter writer(&file, format);
    if (format == "jpeg") {
        writer.setQuality(90);
        writer.setProgressiveScanWrite(false);
    }
    return writer.write(image);
}

void writePdf(const ImageComposition &composition, QSaveFile &file)
{
    QPdfWriter writer(&file);
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
    printComposition(composition, writer);
}

} // namespace

bool ExportPicture(const ImageComposition &composition, const QString &fileName, QString &error)
{
    const QImage &picture = composition.image();
    if (picture.isNull()) {
        error = notSaved(fileName, QStringLiteral("Das Bild ist leer."));
        return false;
    }
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gif")) {
        QImage copy = picture;
        QString reason;
        if (SaveBitmapAsGif(fileName, copy, true, qRgb(255, 255, 255), false, &reason))
            return true;
        error = notSaved(fileName, reason);
        return false;
    }
    if (suffix != QLatin1String("bmp") && suffix != QLatin1String("jpg")
        && suffix != QLatin1String("pdf")) {
        error = notSaved(fileName,
                         QStringLiteral("Bilder werden als .bmp, .gif, .jpg oder .pdf "
                                        "gespeichert; die Endung „%1“ ist unbekannt.")
                                 .arg(QFileInfo(fileName).suffix()));
        return false;
    }

    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        if (suffix == QLatin1String("bmp")) {
            const QImage mono = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
            written = writeImage(mono, "bmp", file);
        } else if (suffix == QLatin1String("jpg")) {
            written = writeImage(picture.convertToFormat(QImage::Format_RGB888), "jpeg", file);
        } else {
            writePdf(composition, file);
        }
    }
    if (written && file.commit())
        return true;
    // Read before the file is given up: cancelling replaces the reason with its own text.
    const QString reason = file.errorString();
    file.cancelWriting();
    error = notSaved(fileName, QStringLiteral("Sie kann nicht geschrieben werden: %1").arg(reason));
    return false;
}

} // namespace gs
