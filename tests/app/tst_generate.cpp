#include "core/boardediting.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "support/runprogram.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

// Headless puzzle generation, run as a user would run it; the saved document is read back.
class TestGenerate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_errors;

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Runs the program with --generate, a word list of the given content and the arguments;
    // returns its exit code and keeps stdout and stderr.
    int generate(const QByteArray &wordList, const QStringList &arguments)
    {
        gs::writeFileBytes(path("liste.txt"), wordList);
        return runProgram(QStringList{QStringLiteral("--generate"), path("liste.txt")} + arguments,
                          &m_errors);
    }

private slots:
    void savesNumberedPuzzleWithDefinitions()
    {
        const QByteArray list = "# Tiere\nLöwe;König der Tiere\nBiene\tsummt\nMöwe;am Meer\n"
                                "Esel;grau\nx\n";
        QCOMPARE(generate(list, {path("a.gsd"), QStringLiteral("--seed"), QStringLiteral("7")}), 0);
        QVERIFY(m_errors.startsWith(QStringLiteral("4 von 5 Wörtern eingebaut · ")));
        QVERIFY(m_errors.contains(QStringLiteral("Zeile 6: X – zu kurz")));
        QVERIFY(gs::LoadPuzzle(path("a.gsd")));
        // Each number stands at its word, in its direction, with the word's definition.
        const std::map<std::string, std::string> definitions{{"L\xD6WE", "K\xF6nig der Tiere"},
                                                             {"BIENE", "summt"},
                                                             {"M\xD6WE", "am Meer"},
                                                             {"ESEL", "grau"}};
        std::map<std::string, std::string> found;
        for (const gs::TClueNumber &number : gs::Puzzle.Numbers)
            found[gs::ReadWord(number)] = number.Text;
        QVERIFY(found == definitions);

        // The same list and seed give the same file; FILE keeps its field size.
        QCOMPARE(generate(list, {path("b.gsd"), QStringLiteral("--seed"), QStringLiteral("7")}), 0);
        QCOMPARE(gs::readFileBytes(path("a.gsd")), gs::readFileBytes(path("b.gsd")));
        gs::Puzzle.FieldSize = 44;
        QVERIFY(gs::SavePuzzle(path("vorlage.gsd")));
        QCOMPARE(
                generate(list, {path("c.gsd"), path("vorlage.gsd"), QStringLiteral("--size=12x9")}),
                0);
        QVERIFY(gs::LoadPuzzle(path("c.gsd")));
        QCOMPARE(gs::Puzzle.FieldSize, 44);
        QVERIFY(gs::BoardCols() <= 13 && gs::BoardRows() <= 10);
    }

    void refusesBadInput()
    {
        const QString out = path("nichts.gsd");
        QCOMPARE(generate("gut\nsch\xF6n\n", {out}), 1);
        QVERIFY(m_errors.contains(QStringLiteral("Zeile 2 der Wortliste liste.txt")));
        QCOMPARE(generate("# leer\n", {out}), 1);
        QCOMPARE(generate("Quiz\nBrot\n", {out, QStringLiteral("--size"), QStringLiteral("3x3")}),
                 1);
        QVERIFY(m_errors.contains(QStringLiteral("nichts gespeichert")));
        QCOMPARE(generate("Esel\n", {out, QStringLiteral("--size"), QStringLiteral("60x2")}), 2);
        QCOMPARE(generate("Esel\n", {out, QStringLiteral("--seed"), QStringLiteral("-1")}), 2);
        QVERIFY(m_errors.startsWith(QStringLiteral("Fehler: --seed")));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(runProgram({QStringLiteral("--help")}, &m_errors), 0);
        QVERIFY(m_errors.contains(QStringLiteral("--generate <WORDS>")));
    }
};

QTEST_GUILESS_MAIN(TestGenerate)
#include "tst_generate.moc"
