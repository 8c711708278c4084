#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The headless conversion, run as a user would run it.
class TestConversion : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs the program with --convert and the arguments, without a display; returns its exit
    // code and keeps stderr.
    int convert(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GS_PROGRAM),
                      QStringList{QStringLiteral("--convert")} + arguments);
        if (!process.waitForFinished(30000))
            return -1;
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void convertsTheExample()
    {
        const QString out = path(QStringLiteral("kopie.gsd"));
        QString errors;
        QCOMPARE(convert({out, QStringLiteral(GS_EXAMPLE)}, &errors), 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(QByteArray("\x09Sternfeld\x78\xDA", 12)));
        QVERIFY(QFile::exists(out + QStringLiteral(".xml")));
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
