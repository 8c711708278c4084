#include "core/puzzle.h"
#include "document/documentfile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Headless word fitting, run as a user would run it; the saved document is read back.
class TestFitWords : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString wordList(const QByteArray &content)
    {
        const QString name = path(QStringLiteral("woerter.txt"));
        QFile file(name);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        return name;
    }

    // Runs the program with the arguments, without a display; returns its exit code and
    // keeps stderr.
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
            *errors = QString::fromUtf8(process.readAll() + process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void fitsAndSaves()
    {
        const QString out = path(QStringLiteral("neu.gsd"));
        QString errors;
        QCOMPARE(run({QStringLiteral("--fit-words"), wordList("affe\r\nKATZE\nesel\n"), out},
                     &errors),
                 0);
        QCOMPARE(errors,
                 QStringLiteral("Alle Wörter wurden erfolgreich ins Felderquiz eingebaut.\n"));
        QVERIFY(gs::LoadPuzzle(out));
        QCOMPARE(gs::GetLetter({10, 10}) + gs::GetLetter({14, 13}) + gs::GetLetter({11, 13}),
                 std::string("KLE"));
        QCOMPARE(gs::Puzzle.Numbers.size(), size_t(3));
        QCOMPARE(gs::Puzzle.Numbers[1].Col, 14);
        QVERIFY(!gs::Puzzle.Numbers[1].Hor);

        // Into that document: the unplaced words follow the message line.
        const QString again = path(QStringLiteral("weiter.gsd"));
        QCOMPARE(
                run({QStringLiteral("--fit-words"), wordList("übung\nqqq\n"), again, out}, &errors),
                0);
        QCOMPARE(errors,
                 QStringLiteral(
                         "Es konnte leider kein einziges Wort eingebaut werden.\nQQQ\nÜBUNG\n"));
        QVERIFY(QFile::exists(again));
    }

    void refusesBadInput()
    {
        const QString out = path(QStringLiteral("x.gsd"));
        QString errors;
        QCOMPARE(run({QStringLiteral("--fit-words"), wordList("gut\nΩmega\n"), out}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("Fehler: Zeile 2 der Wortliste")));
        QCOMPARE(run({QStringLiteral("--fit-words"), wordList(""), out}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("Die Liste enthält keine Wörter!")));
        QCOMPARE(run({QStringLiteral("--fit-words"),
                      wordList("A\n"),
                      out,
                      path(QStringLiteral("fehlt.gsd"))}),
                 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(run({QStringLiteral("--fit-words"), wordList("A\n")}), 2);
        QCOMPARE(run({QStringLiteral("--help")}, &errors), 0);
        QVERIFY(errors.contains(QStringLiteral("--fit-words <WORDS>")));
    }
};

QTEST_GUILESS_MAIN(TestFitWords)
#include "tst_fitwords.moc"
