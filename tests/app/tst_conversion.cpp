#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The headless conversion, run as a user would run it.
class TestConversion : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Runs the program without a display; returns its exit code and keeps stderr.
    int run(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GS_PROGRAM), arguments);
        if (!process.waitForFinished(30000))
            return -1;
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void convertsTheExample()
    {
        const QString out = m_dir.filePath(QStringLiteral("kopie.gsd"));
        QString errors;
        QCOMPARE(run({QStringLiteral("--convert"), out, QStringLiteral(GS_EXAMPLE)}, &errors), 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(QByteArray("\x09Sternfeld\x78\xDA", 12)));
        QVERIFY(QFile::exists(out + QStringLiteral(".xml")));
    }

    void convertsTheOldTextFormat()
    {
        const QString in = m_dir.filePath(QStringLiteral("alt.txt"));
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Felderquiz\n" + QByteArray("A\n").repeated(299) + "0\n");
        file.close();
        QCOMPARE(run({QStringLiteral("--convert"), m_dir.filePath(QStringLiteral("neu.gsd")), in}),
                 0);
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("neu.gsd"))));
    }

    void reportsErrorsOnStderr()
    {
        QString errors;
        QCOMPARE(run({QStringLiteral("--convert"),
                      m_dir.filePath(QStringLiteral("x.gsd")),
                      m_dir.filePath(QStringLiteral("fehlt.gsd"))},
                     &errors),
                 1);
        QVERIFY(errors.contains(QStringLiteral("Fehler: fehlt.gsd kann nicht gelesen werden!")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.gsd"))));

        QCOMPARE(run({QStringLiteral("--convert"), m_dir.filePath(QStringLiteral("x.gsd"))}), 2);
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
