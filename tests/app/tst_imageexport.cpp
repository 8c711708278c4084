#include "core/puzzle.h"
#include "document/documentfile.h"
#include "support/runprogram.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The headless image export, run as a user would run it, with no display at all.
class TestImageExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    int exportImage(const QString &out, const QString &source, QString *errors = nullptr)
    {
        return runProgram({QStringLiteral("--export-image"), out, source}, errors);
    }

private slots:
    // Every format from the command line (what each file holds is checked where it is made).
    void everyFormat()
    {
        for (const char *name : {"bild.bmp", "bild.gif", "bild.jpg", "bild.pdf"}) {
            const QString out = m_dir.filePath(QLatin1String(name));
            QString errors;
            QCOMPARE(exportImage(out, QStringLiteral(GS_EXAMPLE), &errors), 0);
            QVERIFY2(!errors.contains(QStringLiteral("Fehler")), qPrintable(errors));
            QVERIFY(QFileInfo(out).size() > 0);
        }
    }

    // The blank sheet is the picture of the same puzzle with every letter taken out: grid,
    // numbers and definitions as they are.
    void blankSheet()
    {
        QVERIFY(gs::LoadPuzzle(QStringLiteral(GS_EXAMPLE)));
        for (int col = 1; col <= gs::BoardCols(); ++col) {
            for (int row = 1; row <= gs::BoardRows(); ++row) {
                if (!gs::GetLetter({col, row}).empty())
                    gs::SetLetter({col, row}, "-");
            }
        }
        const QString blank = m_dir.filePath(QStringLiteral("leer.gsd"));
        QVERIFY(gs::SavePuzzle(blank));
        const QString sheet = m_dir.filePath(QStringLiteral("blatt.bmp"));
        const QString lettered = m_dir.filePath(QStringLiteral("voll.bmp"));
        QCOMPARE(runProgram({"--export-image", sheet, GS_EXAMPLE, "--no-letters"}), 0);
        QCOMPARE(exportImage(lettered, blank), 0);
        QCOMPARE(QImage(sheet), QImage(lettered));
        QCOMPARE(exportImage(lettered, QStringLiteral(GS_EXAMPLE)), 0);
        QVERIFY(QImage(sheet) != QImage(lettered));
        // Only the picture export takes it.
        QCOMPARE(runProgram({"--export-html", m_dir.filePath("x.htm"), GS_EXAMPLE, "--no-letters"}),
                 2);
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
