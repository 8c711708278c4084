#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/ipuzexport.h"
#include "support/fakeboardview.h"
#include "support/goldendocument.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"
#include "support/testfiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

// A puzzle using everything a document holds, somewhere on the board: letters, fields without
// one, blocks, separators (also beside no field), solution numbers, numbers with definitions
// that need escaping, a frame, settings.
void buildRandomPuzzle(quint32 seed)
{
    QRandomGenerator random(seed);
    const auto chance = [&random](int percent) { return int(random.bounded(100)) < percent; };
    const auto pick = [&random](const std::string &from) {
        return from[size_t(random.bounded(int(from.size())))];
    };
    NewPuzzle();
    const int left = 1 + int(random.bounded(20));
    const int top = 1 + int(random.bounded(20));
    const int right = left + int(random.bounded(MaxCols - left + 1));
    const int bottom = top + int(random.bounded(MaxRows - top + 1));
    std::vector<TPoint> fields;
    for (int col = left; col <= right; ++col) {
        for (int row = top; row <= bottom; ++row) {
            TBoardField f{"", chance(10), chance(10), chance(10), chance(10)};
            if (chance(70) || fields.empty()) {
                f.Letter = chance(20) ? "-" : std::string(1, pick("ABCXYZ\xC4\xD6\xDC\xDF\x8C"));
                f.Block = f.Letter == "-" && chance(40);
                f.SolutionNumber = chance(5) ? 1 + int(random.bounded(30)) : 0;
                fields.push_back({col, row});
            }
            if (f != EmptyField())
                PlaceField({col, row}, f);
        }
    }
    for (int i = 0; i < 20 && !fields.empty(); ++i) {
        const TPoint p = fields[size_t(random.bounded(int(fields.size())))];
        const bool hor = chance(50);
        std::string text;
        for (int length = int(random.bounded(40)); length > 0; --length)
            text += pick("ab &<>\"';\r\n\x80\x81\xE4");
        if ((hor ? FindHorNumber(p) : FindVerNumber(p)).Col == -1) {
            Puzzle.Numbers.push_back(MakeClueNumber(p.X, p.Y, text, hor));
            Puzzle.Numbers.back().Num = int(Puzzle.Numbers.size());
        }
    }
    Puzzle.FieldSize = 25 + int(random.bounded(26));
    Puzzle.BorderWidth = 1 + int(random.bounded(4));
    Puzzle.NumbersInside = chance(50);
    // A frame lies in one row or column (loading clears one end of any other).
    if (!fields.empty() && chance(50)) {
        Puzzle.StartField = fields[size_t(random.bounded(int(fields.size())))];
        Puzzle.EndField = {std::min(Puzzle.StartField.X + 3, MaxCols), Puzzle.StartField.Y};
    }
    Puzzle.Infos = "Edit12#13#R\xE4tsel " + std::to_string(seed) + "^10^";
}

// The numbers, and every field's block, separators and solution number, as the tests write
// them: "1H@3,1 text" and "3,1:#TRBL(2)".
QString describe(const TClueNumber &n)
{
    return QString::asprintf("%d%c@%d,%d ", n.Num, n.Hor ? 'H' : 'V', n.Col, n.Row)
           + toQString(n.Text);
}

QStringList numbers()
{
    QStringList list;
    for (const TClueNumber &number : Puzzle.Numbers)
        list << describe(number);
    return list;
}

QString marks()
{
    QStringList list;
    for (int row = 1; row <= BoardRows(); ++row) {
        for (int col = 1; col <= BoardCols(); ++col) {
            const TBoardField f = GetField({col, row});
            const QString mark = QString(f.Block ? "#" : "") + (f.BorderTop ? "T" : "")
                                 + (f.BorderRight ? "R" : "") + (f.BorderBottom ? "B" : "")
                                 + (f.BorderLeft ? "L" : "")
                                 + (f.SolutionNumber ? QStringLiteral("(%1)").arg(f.SolutionNumber)
                                                     : QString());
            if (!mark.isEmpty())
                list << QStringLiteral("%1,%2:").arg(col).arg(row) + mark;
        }
    }
    return list.join(' ');
}

} // namespace

class TestIpuz : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Exports the open puzzle and opens the file again; true when that showed no message.
    bool roundTrip()
    {
        ScriptedPrompt prompt;
        writeFileBytes(path("rund.ipuz"), IpuzText("Titel"));
        NewPuzzle();
        return LoadPuzzle(path("rund.ipuz")) && prompt.shown.isEmpty();
    }

private slots:
    void randomPuzzlesComeBackWhole()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            buildRandomPuzzle(seed);
            const std::string expected = DocumentText();
            QVERIFY2(roundTrip(), qPrintable(QString::number(seed)));
            QVERIFY2(DocumentText() == expected, qPrintable(QString::number(seed)));
        }
    }

    void goldenDocumentComesBackByteForByte()
    {
        BuildGoldenPuzzle();
        const QByteArray text = IpuzText("Fluss & See");
        QVERIFY(!text.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QJsonDocument::fromJson(text)["title"].toString(), u"Fluss &amp; See");
        QVERIFY(roundTrip());
        QCOMPARE(DocumentText(), std::string(GoldenDocumentText));
    }

    void filesOfOtherPrograms_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("notice");
        QTest::newRow("1913") << "diamond1913.ipuz"
                              << "..D../.RAT./SONGS/.EÄM./..ß.."
                              << ""
                              << "1V@3,1 Café mit q?|2H@2,2 Nager & Plage|2V@2,2 Fischeier|"
                                 "3V@4,2 – drei …|4H@1,3 Lieder, gesungen|6H@2,4 Ein Baum ?"
                              << "In den Definitionen wurden 2 Zeichen,";
        QTest::newRow("barred") << "barred.ipuz"
                                << "ABCD/EFGH/IJKL"
                                << "1,1:TL 3,1:R 2,2:B 3,2:(3) 4,3:RB"
                                << "1H@1,1 Links|1V@1,1 Erste Spalte|2V@3,1 Dritte Spalte|"
                                   "3V@4,1 Vierte Spalte|4H@1,2 Mitte|5H@1,3 Unten"
                                << "";
        QTest::newRow("titled lists, cells from 0")
                << "waagerecht.ipuz"
                << "ABC/D-E/FGH"
                << "2,2:#"
                << "1H@1,1 Oben|1V@1,1 Links|2V@3,1 Rechts|3H@1,3 Unten"
                << "";
    }

    void filesOfOtherPrograms()
    {
        QFETCH(QString, file);
        QFETCH(QString, notice);
        ScriptedPrompt prompt;
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/") + file));
        QTEST(toQString(BoardPicture({1, 1})), "board");
        QTEST(marks(), "marks");
        QTEST(numbers().join('|'), "numbers");
        QCOMPARE(prompt.shown.size(), notice.isEmpty() ? 0 : 1);
        QVERIFY(notice.isEmpty() || prompt.lastText().startsWith(notice));
        QVERIFY(Puzzle.NumbersInside);
        QVERIFY(Modified);
    }

    void americanNumbering()
    {
        ScriptedPrompt prompt;
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/american15.ipuz")));
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(toQString(BoardPicture({1, 1}, {15, 1})), QStringLiteral("ABCD-FGHIJ-LMNO"));
        QCOMPARE(toQString(BoardPicture({1, 5}, {15, 5})), QStringLiteral("---LMNOP-RST---"));
        QCOMPARE(Puzzle.Numbers.size(), size_t(80));
        QCOMPARE(numbers().mid(0, 2), QStringList({"1H@1,1 Waagerecht 1", "1V@1,1 Senkrecht 1"}));
        QCOMPARE(numbers().last(), QStringLiteral("65H@12,15 Waagerecht 65"));
        // Every number starts its word: the field before it is no field or a block.
        for (const TClueNumber &n : Puzzle.Numbers) {
            const TPoint before = n.Hor ? TPoint{n.Col - 1, n.Row} : TPoint{n.Col, n.Row - 1};
            QVERIFY2(GetLetter(before).empty() || GetField(before).Block, qPrintable(describe(n)));
            QVERIFY(!GetField({n.Col, n.Row}).Block);
        }
    }

    void unreadableFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray crossword = "{\"kind\":[\"http://ipuz.org/crossword#1\"],";
        QTest::newRow("cut") << crossword + "\"dimen"
                             << "kein gültiges JSON";
        QTest::newRow("deep") << "{\"a\":" + QByteArray(100000, '[') + QByteArray(100000, ']') + "}"
                              << "kein gültiges JSON";
        QTest::newRow("sudoku") << QByteArray("{\"kind\":[\"http://ipuz.org/sudoku#1\"]}")
                                << "kein Kreuzworträtsel";
        QTest::newRow("dimensions text") << crossword + R"("dimensions":"15x15","puzzle":[[0]]})"
                                         << "kein lesbares Gitter";
        QTest::newRow("puzzle object")
                << crossword + R"("dimensions":{"width":1,"height":1},"puzzle":{}})"
                << "kein lesbares Gitter";
        // Files are told apart by their content, whatever their name.
        QTest::newRow("short document") << QByteArray("\x09Stern", 6) << "";
        QTest::newRow("zip archive") << QByteArray("PK\x03\x04 something else") << "";
        QTest::newRow("too long") << crossword + "\"notes\":\"" + QByteArray(17 << 20, 'x') + "\"}"
                                  << "höchstens 16 MB";
    }

    void unreadableFilesChangeNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        ScriptedPrompt prompt;
        FakeBoardView view;
        BuildGoldenPuzzle();
        view.caption = QStringLiteral("vorher");
        writeFileBytes(path("kaputt.ipuz"), content);
        QVERIFY(!LoadPuzzle(path("kaputt.ipuz")));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.lastCaption(), QStringLiteral("Fehler"));
        // A file that is no ipuz file gets the loader's message without a reason of the reader.
        const QString unreadable = QStringLiteral("kaputt.ipuz kann nicht gelesen werden!");
        const QString text = prompt.lastText();
        QVERIFY2(text.startsWith(unreadable)
                         && (reason.isEmpty() ? text == unreadable : text.contains(reason)),
                 qPrintable(text));
        QCOMPARE(DocumentText(), std::string(GoldenDocumentText));
        QCOMPARE(view.caption, QStringLiteral("vorher"));
    }

    void whatThePuzzleCannotHoldIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("numbers");
        const QByteArray head = R"({"kind":["crossword"],"dimensions":{"width":)";
        QTest::newRow("letters")
                << head
                           + R"(4,"height":1},"puzzle":[[1,0,0,0]],)"
                             R"("solution":[["😀","TH",5,"x"]],"clues":{"Across":[[1,"Vier"]]}})"
                << "---X" << 1;
        QTest::newRow("wrong types")
                << head
                           + R"(3,"height":1},"puzzle":[[1,true,[0]]],"clues":)"
                             R"({"Across":[5,[1,"A"],[7,"S"]],"Diagonal":[[1,"B"]],"Down":{}}})"
                << "-" << 1;
        QTest::newRow("huge dimensions")
                << head + R"(2000000000,"height":2000000000},"puzzle":[[0,0]]})"
                << "--" << 0;
        const QByteArray row = "[" + QByteArray("0,").repeated(59) + "0]";
        QTest::newRow("beyond 50 x 40")
                << head + R"(60,"height":41},"puzzle":[)" + (row + ",").repeated(40) + row + "]}"
                << QString(50, '-').append('/').repeated(40).chopped(1) << 0;
    }

    void whatThePuzzleCannotHoldIsLeftOut()
    {
        ScriptedPrompt prompt;
        FakeBoardView view;
        QFETCH(QByteArray, content);
        writeFileBytes(path("teils.ipuz"), content);
        QVERIFY(LoadPuzzle(path("teils.ipuz")));
        QCOMPARE(prompt.lastText(),
                 QStringLiteral("teils.ipuz enthält einige ungültige Daten! Es wird versucht, das "
                                "Felderquiz trotzdem zu laden."));
        QTEST(toQString(BoardPicture({1, 1})), "board");
        QTEST(int(Puzzle.Numbers.size()), "numbers");
        QVERIFY(Modified);
        QVERIFY(view.fileName.isEmpty());
    }

    void aRealReaderReadsOurExport()
    {
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty() || !QFile::exists(GS_NPM_PREFIX "/node_modules/@xwordly/xword-parser"))
            QSKIP("node or @xwordly/xword-parser is not installed (scripts/test installs them)");
        BuildGoldenPuzzle();
        PlaceField({2, 1}, {"\xDF"});
        Puzzle.Numbers.push_back({2, 2, 1, "<Stra\xDF>", false});
        writeFileBytes(path("leser.ipuz"), IpuzText(""));
        QProcess reader;
        reader.start(node, {GS_READER_SCRIPT, GS_NPM_PREFIX, path("leser.ipuz")});
        QVERIFY(reader.waitForFinished(30000));
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(),
                 QStringLiteral(R"({"size":"3x2","rows":["Äß.","..#"],)"
                                R"("across":["1 Fluss &amp; See"],"down":["2 &lt;Straß&gt;"]})"));
    }
};

QTEST_GUILESS_MAIN(TestIpuz)
#include "tst_ipuz.moc"
