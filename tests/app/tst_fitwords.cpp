#include "core/puzzle.h"
#include "document/documentfile.h"
#include "support/runprogram.h"
#include "support/testfiles.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// Headless word fitting, run as a user would run it; the saved document is read back.
class TestFitWords : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out = m_dir.filePath(QStringLiteral("neu.gsd"));
    QString m_errors;

    // Runs the program with --fit-words, a word list of the given content and the arguments,
    // without a display; returns its exit code and keeps stdout and stderr.
    int fit(const QByteArray &wordList, const QStringList &arguments)
    {
        const QString words = m_dir.filePath(QStringLiteral("woerter.txt"));
        gs::writeFileBytes(words, wordList);
        return runProgram(QStringList{QStringLiteral("--fit-words"), words} + arguments, &m_errors);
    }

private slots:
    // The list in UTF-8 and in UTF-16 behind its byte-order mark.
    void fitsAndSaves()
    {
        const QString list = QStringLiteral("affe\r\nKATZE\nesel\n");
        QStringEncoder utf16(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
        for (const QByteArray &bytes : {list.toUtf8(), QByteArray(utf16(list))}) {
            QCOMPARE(fit(bytes, {m_out}), 0);
            QCOMPARE(m_errors,
                     QStringLiteral("Alle Wörter wurden erfolgreich ins Felderquiz eingebaut.\n"));
            QVERIFY(gs::LoadPuzzle(m_out));
            QCOMPARE(gs::GetLetter({10, 10}) + gs::GetLetter({14, 13}) + gs::GetLetter({11, 13}),
                     "KLE");
            QCOMPARE(gs::Puzzle.Numbers.size(), size_t(3));
            QVERIFY(gs::Puzzle.Numbers[1].Col == 14 && !gs::Puzzle.Numbers[1].Hor);
        }
    }

    void refusesBadInput()
    {
        const QString out = m_dir.filePath(QStringLiteral("x.gsd"));
        QCOMPARE(fit("gut\nΩmega\n", {out}), 1);
        QVERIFY(m_errors.startsWith(QStringLiteral("Fehler: Zeile 2 der Wortliste")));
        // UTF-16 without its byte-order mark (NUL bytes), Latin-1 and a character cut off at the
        // line's end are no UTF-8.
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        const QByteArray notUtf8[]
                = {"gut\nb\xe4r\n", utf16(QStringLiteral("\nbar\n")), "gut\nb\xc3\nc\n"};
        for (const QByteArray &bytes : notUtf8) {
            QCOMPARE(fit(bytes, {out}), 1);
            QVERIFY2(m_errors.contains("Zeile 2 der Wortliste woerter.txt ist nicht in UTF-8"),
                     qPrintable(m_errors));
        }
        QCOMPARE(fit("", {out}), 1);
        QCOMPARE(fit("A", {out, m_dir.filePath(QStringLiteral("fehlt.gsd"))}), 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(fit("A", {}), 2);
        QCOMPARE(fit("A", {QStringLiteral("--help")}), 0);
        QVERIFY(m_errors.contains(QStringLiteral("--fit-words <WORDS>")));
    }
};

QTEST_GUILESS_MAIN(TestFitWords)
#include "tst_fitwords.moc"
