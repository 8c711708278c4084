#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The headless image export, run as a user would run it, with no display at all.
class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    int exportImage(const QString &out, const QString &source, QString *errors = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GS_PROGRAM), {QStringLiteral("--export-image"), out, source});
        if (!process.waitForFinished(30000))
            return -1;
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void everyFormat()
    {
        QSize size;
        for (const char *name : {"bild.bmp", "bild.gif", "bild.jpg", "bild.pdf"}) {
            const QString out = m_dir.filePath(QLatin1String(name));
            QString errors;
            QCOMPARE(exportImage(out, QStringLiteral(GS_EXAMPLE), &errors), 0);
            QVERIFY2(!errors.contains(QStringLiteral("Fehler")), qPrintable(errors));
            QFile file(out);
            QVERIFY(file.open(QIODevice::ReadOnly));
            if (out.endsWith(QLatin1String(".pdf"))) {
                QVERIFY(file.readAll().startsWith("%PDF-"));
                continue;
            }
            const QImage image(out);
            QVERIFY(!image.isNull());
            if (size.isEmpty())
                size = image.size();
            QCOMPARE(image.size(), size);
        }
    }

    void failuresWriteNothing()
    {
        QString errors;
        const QString png = m_dir.filePath(QStringLiteral("bild.png"));
        QCOMPARE(exportImage(png, QStringLiteral(GS_EXAMPLE), &errors), 1);
        QVERIFY(errors.contains(
                QStringLiteral("Fehler: Die Datei %1 wurde nicht gespeichert.").arg(png)));
        QVERIFY(!QFile::exists(png));

        const QString gif = m_dir.filePath(QStringLiteral("x.gif"));
        QCOMPARE(exportImage(gif, m_dir.filePath(QStringLiteral("fehlt.gsd")), &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("kann nicht gelesen werden")));
        QVERIFY(!QFile::exists(gif));
    }
};

QTEST_GUILESS_MAIN(TestImageExport)
#include "tst_imageexport.moc"
