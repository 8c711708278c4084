#include "support/runprogram.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

// The headless conversion, run as a user would run it.
class TestConversion : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    int convert(const QStringList &arguments, QString *errors = nullptr)
    {
        return runProgram(QStringList{QStringLiteral("--convert")} + arguments, errors);
    }

private slots:
    // The example converted, and out as ipuz and back in: the same document, byte for byte.
    void convertsTheExampleAlsoThroughIpuz()
    {
        const QString direct = path(QStringLiteral("direkt.gsd"));
        const QString ipuz = path(QStringLiteral("raetsel.json"));
        QString errors;
        QCOMPARE(convert({direct, QStringLiteral(GS_EXAMPLE)}, &errors), 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QVERIFY(gs::readFileBytes(direct).startsWith(QByteArray("\x09Sternfeld\x78\xDA", 12)));
        QCOMPARE(runProgram({QStringLiteral("--export-ipuz"), ipuz, QStringLiteral(GS_EXAMPLE)},
                            &errors),
                 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QCOMPARE(convert({path(QStringLiteral("zurueck.gsd")), ipuz}), 0);
        const QByteArray copy = gs::readFileBytes(direct + QStringLiteral(".xml"));
        QVERIFY(!copy.isEmpty());
        QCOMPARE(gs::readFileBytes(path(QStringLiteral("zurueck.gsd.xml"))), copy);
    }

    void aDamagedSourceIsNeverSaved()
    {
        const QByteArray cut = gs::readFileBytes(QStringLiteral(GS_EXAMPLE)).chopped(30);
        const QString damaged = path(QStringLiteral("kaputt.gsd"));
        gs::writeFileBytes(damaged, cut);
        QString errors;
        QCOMPARE(convert({damaged, damaged}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("ungültige Daten")));
        QCOMPARE(gs::readFileBytes(damaged), cut);
        QVERIFY(!QFile::exists(damaged + QStringLiteral(".xml")));
    }

    // A document file holding the text inside its CrossWord element.
    void writeDocument(const QString &fileName, const QString &crossWord)
    {
        const QString text = QStringLiteral("<CrossWord-list><CrossWord>%1</CrossWord>"
                                            "</CrossWord-list>")
                                     .arg(crossWord);
        gs::writeFileBytes(fileName,
                           QByteArray("\x09Sternfeld", 10) + qCompress(text.toLatin1(), 9).mid(4));
    }

    // The largest documents the loader takes in: every number and board position the limits
    // allow, and the largest picture (a full board of 100-pixel fields).
    void writeLargestDocuments()
    {
        const QString number = QStringLiteral("<Number><Num>1</Num><Col>1</Col><Row>1</Row>"
                                              "<Text>%1</Text></Number>")
                                       .arg(QString(255, QLatin1Char('x')));
        writeDocument(path(QStringLiteral("1.gsd")),
                      QStringLiteral("<BoardCols>256</BoardCols><BoardRows>256</BoardRows><Board>")
                              + QStringLiteral("<Board><Letter></Letter></Board>").repeated(65536)
                              + QStringLiteral("</Board><Numbers>") + number.repeated(16384)
                              + QStringLiteral("</Numbers>"));
        writeDocument(path(QStringLiteral("4.gsd")),
                      QStringLiteral("<FieldSize>100</FieldSize><BorderWidth>100</BorderWidth>"
                                     "<BoardCols>50</BoardCols><BoardRows>40</BoardRows><Board>")
                              + QStringLiteral("<Board><Letter>A</Letter><BorderRight>True"
                                               "</BorderRight></Board>")
                                        .repeated(2000)
                              + QStringLiteral("</Board><Numbers>") + number.repeated(4000)
                              + QStringLiteral("</Numbers>"));
    }

    void peakMemoryStaysBounded()
    {
        // Written first: a child starts as a copy of this process, and its peak counts that.
        writeLargestDocuments();
        for (const char *name : {"1.gsd", "4.gsd"})
            convert({path(QStringLiteral("aus.gsd")), path(QString::fromLatin1(name))});
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
        qInfo("peak memory of a conversion: %ld KiB", usage.ru_maxrss);
        QVERIFY(usage.ru_maxrss < 256 * 1024);
    }

    void reportsErrorsOnStderr()
    {
        const QString out = path(QStringLiteral("x.gsd"));
        QString errors;
        QCOMPARE(convert({out, path(QStringLiteral("fehlt.gsd"))}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("Fehler: fehlt.gsd kann nicht gelesen werden!")));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(convert({out}), 2);
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
