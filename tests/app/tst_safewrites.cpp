#include "output/htmlexport.h"
#include "support/runprogram.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Every file the program writes keeps the old file when the disk is full, and says why.
class TestSafeWrites : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QByteArray m_old = QByteArray("alter Inhalt, der bleiben muss\n").repeated(40);

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeOld(const QString &fileName) const { gs::writeFileBytes(fileName, m_old); }
    // Nothing but the named files is left in the folder: no temporary copy stays behind.
    static void onlyFiles(const QString &folder, QStringList names)
    {
        QStringList found = QDir(folder).entryList(QDir::Files);
        found.sort();
        names.sort();
        QCOMPARE(found, names);
    }

private slots:
    // Each headless writer onto an existing file, with every write beyond 64 bytes failing.
    void everyWriterKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("name");
        for (const char *name : {"bild.bmp", "bild.gif", "bild.jpg", "bild.pdf"})
            QTest::newRow(name) << QStringLiteral("--export-image") << QString::fromLatin1(name);
        QTest::newRow("document") << QStringLiteral("--convert") << QStringLiteral("doc.gsd");
        QTest::newRow("page") << QStringLiteral("--export-html") << QStringLiteral("seite.htm");
    }
    void everyWriterKeepsTheOldFile()
    {
        QFETCH(QString, option);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString target = folder.filePath(name);
        // A document's copy beside it: it must stay when the document cannot be written.
        const QString copy = target + QStringLiteral(".xml");
        writeOld(target);
        writeOld(copy);
        QString errors;
        QCOMPARE(runProgram({option, target, QStringLiteral(GS_EXAMPLE)}, &errors, 64), 1);
        QVERIFY2(errors.contains(target)
                         && errors.contains(QStringLiteral("größer, als das System erlaubt")),
                 qPrintable(errors));
        QCOMPARE(gs::readFileBytes(target), m_old);
        QCOMPARE(gs::readFileBytes(copy), m_old);
        onlyFiles(folder.path(), {name, name + QStringLiteral(".xml")});
    }

    // The document is written before its copy: a copy that fails is named, the old copy stays.
    void documentCopyKeepsTheOldCopy()
    {
        const QString document = path(QStringLiteral("kopie.gsd"));
        const QString copy = document + QStringLiteral(".xml");
        QCOMPARE(runProgram({QStringLiteral("--convert"), document, QStringLiteral(GS_EXAMPLE)}),
                 0);
        const QByteArray saved = gs::readFileBytes(document);
        const qint64 between = (saved.size() + QFileInfo(copy).size()) / 2;
        writeOld(copy);
        QString errors;
        QCOMPARE(runProgram({QStringLiteral("--convert"), document, QStringLiteral(GS_EXAMPLE)},
                            &errors,
                            between),
                 1);
        QVERIFY2(errors.contains(copy), qPrintable(errors));
        QCOMPARE(gs::readFileBytes(copy), m_old);
        QCOMPARE(gs::readFileBytes(document), saved);
    }

    // The arc picture beside a page, written in this process under the same limit.
    void arcPictureKeepsTheOldFile()
    {
        const QString arc = path(QStringLiteral("arc.gif"));
        writeOld(arc);
        limitFileSize(16);
        const QString error = gs::WriteArcGif(arc);
        limitFileSize(-1);
        QVERIFY2(error.contains(QStringLiteral("arc.gif kann nicht geschrieben werden")),
                 qPrintable(error));
        QCOMPARE(gs::readFileBytes(arc), m_old);
    }

    // A real full disk: a small tmpfs, filled up, where the system lets this test mount one.
    void fullFileSystem()
    {
        const QString mount = path(QStringLiteral("voll"));
        QDir().mkpath(mount);
        const QStringList tmpfs = QStringLiteral("-t tmpfs -o size=64k tmpfs").split(u' ');
        if (QProcess::execute(QStringLiteral("mount"), tmpfs + QStringList{mount}) != 0)
            QSKIP("No tmpfs could be mounted (not root, or not allowed here); the file size "
                  "limit stands in for a full disk.");
        const QString document = mount + QStringLiteral("/doc.gsd");
        writeOld(document);
        QFile filler(mount + QStringLiteral("/fueller"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();
        QString errors;
        const int exitCode = runProgram(
                {QStringLiteral("--convert"), document, QStringLiteral(GS_EXAMPLE)}, &errors);
        const QByteArray kept = gs::readFileBytes(document);
        QProcess::execute(QStringLiteral("umount"), {mount});
        QCOMPARE(exitCode, 1);
        QVERIFY2(errors.contains(QStringLiteral("kein Platz mehr")), qPrintable(errors));
        QCOMPARE(kept, m_old);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrites)
#include "tst_safewrites.moc"
