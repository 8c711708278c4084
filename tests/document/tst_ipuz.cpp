#include "core/cp1252.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/ipuzexport.h"
#include "support/fakeboardview.h"
#include "support/goldendocument.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

const QString InvalidData = QStringLiteral(
        " enthält einige ungültige Daten! Es wird versucht, das Felderquiz trotzdem zu laden.");

void writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// A puzzle using everything a document holds, placed somewhere on the board.
void buildRandomPuzzle(quint32 seed)
{
    QRandomGenerator random(seed);
    const auto chance = [&random](int percent) { return int(random.bounded(100)) < percent; };
    static const std::string Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF\x8C";
    static const std::string TextCharacters = "abc XYZ&<>\"';\r\n\x80\x81\xE4\xDF#-";
    NewPuzzle();
    const int left = 1 + int(random.bounded(20));
    const int top = 1 + int(random.bounded(20));
    const int cols = 1 + int(random.bounded(MaxCols - left + 1));
    const int rows = 1 + int(random.bounded(MaxRows - top + 1));
    std::vector<TPoint> fields;
    for (int col = left; col < left + cols; ++col) {
        for (int row = top; row < top + rows; ++row) {
            const bool field = chance(70);
            TBoardField value{field ? std::string(1, Letters[random.bounded(int(Letters.size()))])
                                    : std::string(),
                              chance(10),
                              chance(10),
                              chance(10),
                              chance(10)};
            if (field && chance(15))
                value.Letter = "-";
            if (field && chance(10))
                value = TBoardField{
                        "-", value.BorderLeft, false, false, value.BorderBottom, 0, true};
            if (field && chance(5))
                value.SolutionNumber = 1 + int(random.bounded(30));
            PlaceField({col, row}, value);
            if (field)
                fields.push_back({col, row});
        }
    }
    for (int i = 0; i < 20 && !fields.empty(); ++i) {
        const TPoint p = fields[random.bounded(int(fields.size()))];
        const bool hor = chance(50);
        const bool taken = std::any_of(Puzzle.Numbers.begin(), Puzzle.Numbers.end(), [&](auto &n) {
            return n.Col == p.X && n.Row == p.Y && n.Hor == hor;
        });
        std::string text;
        for (int length = int(random.bounded(40)); length > 0; --length)
            text += TextCharacters[random.bounded(int(TextCharacters.size()))];
        if (!taken) {
            Puzzle.Numbers.push_back(MakeClueNumber(p.X, p.Y, text, hor));
            Puzzle.Numbers.back().Num = int(Puzzle.Numbers.size());
        }
    }
    Puzzle.FieldSize = 25 + int(random.bounded(26));
    Puzzle.BorderWidth = 1 + int(random.bounded(4));
    Puzzle.NumbersInside = chance(50);
    // A frame lies in one row or column (loading clears one end of any other).
    if (!fields.empty() && chance(50)) {
        Puzzle.StartField = fields[random.bounded(int(fields.size()))];
        Puzzle.EndField = {std::min(Puzzle.StartField.X + 3, MaxCols), Puzzle.StartField.Y};
    }
    Puzzle.Infos = "Edit12#13#R\xE4tsel " + std::to_string(seed) + "^10^";
}

// The whole board, field by field, with the numbers and settings.
void compareWith(const TCrossWordPuzzle &expected)
{
    const int cols = std::max(int(expected.Board.size()), BoardCols() + 1);
    const int rows = std::max(int(expected.Board.front().size()), BoardRows() + 1);
    for (int col = 1; col < cols; ++col) {
        for (int row = 1; row < rows; ++row) {
            const TBoardField want
                    = col < int(expected.Board.size()) && row < int(expected.Board.front().size())
                              ? expected.Board[size_t(col)][size_t(row)]
                              : EmptyField();
            QVERIFY2(GetField({col, row}) == want,
                     qPrintable(QStringLiteral("%1,%2").arg(col).arg(row)));
        }
    }
    QVERIFY(Puzzle.Numbers == expected.Numbers);
    QCOMPARE(Puzzle.FieldSize, expected.FieldSize);
    QCOMPARE(Puzzle.BorderWidth, expected.BorderWidth);
    QCOMPARE(Puzzle.NumbersInside, expected.NumbersInside);
    QVERIFY(Puzzle.StartField == expected.StartField);
    QVERIFY(Puzzle.EndField == expected.EndField);
    QCOMPARE(Puzzle.Infos, expected.Infos);
}

// A number's place and text, as the tests write it.
QString describe(const TClueNumber &number)
{
    return QStringLiteral("%1%2@%3,%4 %5")
            .arg(number.Num)
            .arg(number.Hor ? 'H' : 'V')
            .arg(number.Col)
            .arg(number.Row)
            .arg(toQString(number.Text));
}

QStringList numbers()
{
    QStringList list;
    for (const TClueNumber &number : Puzzle.Numbers)
        list << describe(number);
    return list;
}

} // namespace

class TestIpuz : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Exports the open puzzle and opens the file again; the file's messages are returned.
    QList<ScriptedPrompt::Shown> roundTrip()
    {
        ScriptedPrompt prompt;
        writeAll(path("rund.ipuz"), IpuzText("Titel"));
        NewPuzzle();
        if (!LoadPuzzle(path("rund.ipuz")))
            return {{QStringLiteral("not loaded"),
                     QString(),
                     Prompt::Icon::Warning,
                     Prompt::Buttons::Ok}};
        return prompt.shown;
    }

private slots:
    void randomPuzzlesComeBackWhole()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            buildRandomPuzzle(seed);
            const TCrossWordPuzzle expected = Puzzle;
            QVERIFY2(roundTrip().isEmpty(), qPrintable(QString::number(seed)));
            compareWith(expected);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }

    void goldenDocumentComesBackByteForByte()
    {
        FakeBoardView view;
        BuildGoldenPuzzle();
        const QByteArray text = IpuzText("Fluss & See");
        QVERIFY(!text.startsWith("\xEF\xBB\xBF"));
        const QJsonObject root = QJsonDocument::fromJson(text).object();
        QCOMPARE(root.value("title").toString(), QStringLiteral("Fluss &amp; See"));
        QCOMPARE(root.value("solution").toArray().at(0).toArray().at(0).toString(),
                 QStringLiteral("Ä"));
        QCOMPARE(QJsonDocument(root.value("clues").toObject()).toJson(QJsonDocument::Compact),
                 QByteArray("{\"Across\":[{\"cells\":[[1,1]],\"clue\":\"Fluss &amp; "
                            "See\",\"number\":1}],\"Down\":[]}"));
        QVERIFY(roundTrip().isEmpty());
        QCOMPARE(DocumentText(), std::string(GoldenDocumentText));
        QVERIFY(Modified);
        QVERIFY(view.fileName.isEmpty());
        QCOMPARE(view.caption, QStringLiteral("Gitterstern 2.0 (BETA 1.2)"));
    }

    void filesOfOtherPrograms_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("notice");
        QTest::newRow("1913") << "diamond1913.ipuz"
                              << "..D../.RAT./SONGS/.EÄM./..ß.."
                              << QStringList{"1V@3,1 Café mit q?",
                                             "2H@2,2 Nager & Plage",
                                             "2V@2,2 Fischeier",
                                             "3V@4,2 – drei …",
                                             "4H@1,3 Lieder, gesungen",
                                             "6H@2,4 Ein Baum ?"}
                              << "In den Definitionen wurden 2 Zeichen,";
        QTest::newRow("barred") << "barred.ipuz"
                                << "ABCD/EFGH/IJKL"
                                << QStringList{"1H@1,1 Links",
                                               "1V@1,1 Erste Spalte",
                                               "2V@3,1 Dritte Spalte",
                                               "3V@4,1 Vierte Spalte",
                                               "4H@1,2 Mitte",
                                               "5H@1,3 Unten"}
                                << QString();
        QTest::newRow("titled lists, cells from 0")
                << "waagerecht.ipuz"
                << "ABC/D-E/FGH"
                << QStringList{"1H@1,1 Oben", "1V@1,1 Links", "2V@3,1 Rechts", "3H@1,3 Unten"}
                << QString();
    }

    void filesOfOtherPrograms()
    {
        QFETCH(QString, file);
        QFETCH(QString, board);
        QFETCH(QStringList, numbers);
        QFETCH(QString, notice);
        ScriptedPrompt prompt;
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/") + file));
        QCOMPARE(toQString(BoardPicture({1, 1})), board);
        QCOMPARE(::numbers(), numbers);
        QCOMPARE(prompt.shown.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QVERIFY(prompt.lastText().startsWith(notice));
        QVERIFY(Puzzle.NumbersInside);
        QVERIFY(Modified);
    }

    void barsBlocksAndCircles()
    {
        ScriptedPrompt prompt;
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/barred.ipuz")));
        QVERIFY(GetField({1, 1}).BorderTop && GetField({1, 1}).BorderLeft);
        QVERIFY(GetField({3, 1}).BorderRight);
        QVERIFY(GetField({2, 2}).BorderBottom);
        QVERIFY(GetField({4, 3}).BorderRight && GetField({4, 3}).BorderBottom);
        QCOMPARE(GetField({3, 2}).SolutionNumber, 3);
        int bars = 0;
        for (int col = 1; col <= 4; ++col) {
            for (int row = 1; row <= 3; ++row) {
                const TBoardField f = GetField({col, row});
                bars += f.BorderLeft + f.BorderTop + f.BorderRight + f.BorderBottom;
            }
        }
        QCOMPARE(bars, 6);
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/waagerecht.ipuz")));
        QVERIFY(GetField({2, 2}).Block);
    }

    void americanNumbering()
    {
        ScriptedPrompt prompt;
        QVERIFY(LoadPuzzle(QStringLiteral(GS_IPUZ_DATA "/american15.ipuz")));
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(BoardCols(), 15);
        QCOMPARE(BoardRows(), 15);
        QCOMPARE(toQString(BoardPicture({1, 1}, {15, 1})), QStringLiteral("ABCD-FGHIJ-LMNO"));
        QCOMPARE(toQString(BoardPicture({1, 5}, {15, 5})), QStringLiteral("---LMNOP-RST---"));
        QCOMPARE(Puzzle.Numbers.size(), size_t(80));
        QCOMPARE(describe(Puzzle.Numbers.front()), QStringLiteral("1H@1,1 Waagerecht 1"));
        QCOMPARE(describe(Puzzle.Numbers[1]), QStringLiteral("1V@1,1 Senkrecht 1"));
        QCOMPARE(describe(Puzzle.Numbers.back()), QStringLiteral("65H@12,15 Waagerecht 65"));
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
        QTest::newRow("cut") << QByteArray("{\"version\":\"http://ipuz.org/v2\",\"kind\":[\"ht")
                             << "kein gültiges JSON";
        QTest::newRow("deep") << "{\"a\":" + QByteArray(100000, '[') + QByteArray(100000, ']') + "}"
                              << "kein gültiges JSON";
        QTest::newRow("sudoku") << QByteArray("{\"kind\":[\"http://ipuz.org/sudoku#1\"]}")
                                << "kein Kreuzworträtsel";
        QTest::newRow("no kind") << QByteArray("{\"dimensions\":{\"width\":1,\"height\":1}}")
                                 << "kein Kreuzworträtsel";
        QTest::newRow("dimensions text") << crossword + "\"dimensions\":\"15x15\",\"puzzle\":[[0]]}"
                                         << "kein lesbares Gitter";
        QTest::newRow("puzzle object")
                << crossword + "\"dimensions\":{\"width\":1,\"height\":1},\"puzzle\":{}}"
                << "kein lesbares Gitter";
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
        writeAll(path("kaputt.ipuz"), content);
        QVERIFY(!LoadPuzzle(path("kaputt.ipuz")));
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.lastCaption(), QStringLiteral("Fehler"));
        QVERIFY2(prompt.lastText().startsWith(
                         QStringLiteral("kaputt.ipuz kann nicht gelesen werden!"))
                         && prompt.lastText().contains(reason),
                 qPrintable(prompt.lastText()));
        QCOMPARE(DocumentText(), std::string(GoldenDocumentText));
        QCOMPARE(view.caption, QStringLiteral("vorher"));
    }

    void whatThePuzzleCannotHoldIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("numbers");
        const QByteArray head = "{\"kind\":[\"http://ipuz.org/crossword#1\"],";
        QTest::newRow("letters")
                << head
                           + "\"dimensions\":{\"width\":4,\"height\":1},\"puzzle\":[[1,0,0,0]],"
                             "\"solution\":[[\"😀\",\"TH\",5,\"x\"]],\"clues\":{\"Across\":[[1,"
                             "\"Vier\"]]}}"
                << "---X" << 1;
        QTest::newRow("wrong types")
                << head
                           + "\"dimensions\":{\"width\":3,\"height\":1},\"puzzle\":[[1,true,[0]]],"
                             "\"clues\":{\"Across\":[5,[1,\"A\"]],\"Diagonal\":[[1,\"B\"]],"
                             "\"Down\":{}}}"
                << "-" << 1;
        QTest::newRow("clue without a place")
                << head
                           + "\"dimensions\":{\"width\":1,\"height\":1},\"puzzle\":[[0]],"
                             "\"clues\":{\"Across\":[[7,\"Sieben\"]]}}"
                << "-" << 0;
        QTest::newRow("huge dimensions")
                << head
                           + "\"dimensions\":{\"width\":2000000000,\"height\":2000000000},"
                             "\"puzzle\":[[0,0]]}"
                << "--" << 0;
        QByteArray wide = head + "\"dimensions\":{\"width\":60,\"height\":41},\"puzzle\":[";
        for (int row = 0; row < 41; ++row)
            wide += (row ? ",[" : "[") + QByteArray("0,").repeated(59) + "0]";
        QTest::newRow("beyond 50 x 40") << wide + "]}" << QString() << 0;
    }

    void whatThePuzzleCannotHoldIsLeftOut()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, board);
        QFETCH(int, numbers);
        ScriptedPrompt prompt;
        FakeBoardView view;
        writeAll(path("teils.ipuz"), content);
        QVERIFY(LoadPuzzle(path("teils.ipuz")));
        QCOMPARE(prompt.lastText(), QStringLiteral("teils.ipuz") + InvalidData);
        if (board.isEmpty()) {
            QCOMPARE(BoardCols(), MaxCols);
            QCOMPARE(BoardRows(), MaxRows);
        } else {
            QCOMPARE(toQString(BoardPicture({1, 1})), board);
        }
        QCOMPARE(int(Puzzle.Numbers.size()), numbers);
        QVERIFY(Modified);
        QVERIFY(view.fileName.isEmpty());
    }

    void aRealReaderReadsOurExport()
    {
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty()
            || !QFile::exists(QStringLiteral(GS_NPM_PREFIX "/node_modules/@xwordly")))
            QSKIP("node or @xwordly/xword-parser is not installed (scripts/test installs them)");
        BuildGoldenPuzzle();
        PlaceField({2, 1}, {"\xDF"});
        Puzzle.Numbers.push_back({2,
                                  2,
                                  1,
                                  "<Stra\xDF"
                                  "e>",
                                  false});
        writeAll(path("leser.ipuz"), IpuzText(""));
        QProcess reader;
        reader.start(node,
                     {QStringLiteral(GS_READER_SCRIPT),
                      QStringLiteral(GS_NPM_PREFIX),
                      path("leser.ipuz")});
        QVERIFY(reader.waitForFinished(30000));
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
        const QJsonObject read = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
        QCOMPARE(read.value("width").toInt(), 3);
        QCOMPARE(read.value("height").toInt(), 2);
        QCOMPARE(read.value("rows").toArray(), (QJsonArray{"Äß.", "..#"}));
        QCOMPARE(read.value("across").toArray(), QJsonArray{"1 Fluss &amp; See"});
        QCOMPARE(read.value("down").toArray(), QJsonArray{"2 &lt;Straße&gt;"});
    }
};

QTEST_GUILESS_MAIN(TestIpuz)
#include "tst_ipuz.moc"
