#include "core/boardediting.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/zlibstream.h"
#include "support/fakeboardview.h"
#include "support/placefield.h"
#include "support/scriptedprompt.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/resource.h>

using namespace gs;

namespace {

// A document file whose one CrossWord element holds the given XML text.
QByteArray documentWith(const std::string &crossWord)
{
    std::string content(DocumentSignature);
    CompressStream("<CrossWord-list><CrossWord>" + crossWord + "</CrossWord></CrossWord-list>",
                   content);
    return QByteArray(content.data(), qsizetype(content.size()));
}

// The XML text inside a document file (as far as it can be read).
std::string inflate(const QByteArray &file)
{
    std::string text;
    const std::string_view content(file.constData(), size_t(file.size()));
    DecompressStream(content.substr(DocumentSignature.size()), text);
    return text;
}

// A puzzle that uses every attribute of the document.
void buildRichPuzzle()
{
    NewPuzzle();
    Puzzle.FieldSize = 42;
    Puzzle.BorderWidth = 3;
    Puzzle.NumbersInside = true;
    PlaceField({1, 1}, {"\xC4", false, false, false, false, 1});
    PlaceField({2, 1}, {"B", false, true, true, false, 2});
    PlaceField({3, 1}, {"-", false, false, false, false, 0, true});
    PlaceField({1, 2}, {"\xDF", true, false, false, true});
    PlaceField({4, 3}, {"Z"});
    Puzzle.Numbers = {{1, 1, 1, "Fluss & See <\"gro\xDF\"> 'x'", true},
                      {2, 1, 1, "Zeile 1\r\nZeile 2", false}};
    Puzzle.StartField = {1, 1};
    Puzzle.EndField = {2, 1};
    Puzzle.Infos = "CheckBox8=1|Edit12=Mein R\xE4tsel";
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::optional<ScriptedPrompt> m_prompt; // made anew for every test
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        m_prompt.emplace();
        NewPuzzle();
        Modified = false;
    }

    void roundTripKeepsEverything()
    {
        FakeBoardView view;
        buildRichPuzzle();
        Modified = true;
        QVERIFY(SavePuzzle(path("rich.gsd")));
        QVERIFY(!Modified);
        QCOMPARE(view.caption, QStringLiteral("Gitterstern 2.0 (BETA 1.2) - rich.gsd"));
        // Signature and zlib header, and a plain ASCII copy of the same text beside it.
        const QByteArray file = readFileBytes(path("rich.gsd"));
        QVERIFY(file.startsWith(QByteArray("\x09Sternfeld\x78\xDA", 12)));
        const QByteArray copy = readFileBytes(path("rich.gsd.xml"));
        QCOMPARE(inflate(file), copy.toStdString());
        QCOMPARE(copy.toStdString(), DocumentText());
        QVERIFY(copy.endsWith("</CrossWord-list>\r\n"));

        NewPuzzle();
        QVERIFY(LoadPuzzle(path("rich.gsd")));
        QVERIFY(m_prompt->shown.isEmpty());
        QCOMPARE(DocumentText(), copy.toStdString()); // every stored value is back
        QVERIFY(!Modified);
        QCOMPARE(view.fileName, path("rich.gsd"));

        // Boards the editor widened beyond the editing area load unchanged too: column 50 and
        // row 40 hold no field, so each shift widens the array beyond them.
        SetLetter({MaxCols, MaxRows}, "E");
        SetLetter({MaxCols, MaxRows}, "");
        for (int i = 0; i < 3; ++i)
            ShiftPuzzle(ShiftRight), ShiftPuzzle(ShiftDown);
        QVERIFY(BoardCols() > MaxCols && BoardRows() > MaxRows);
        const std::string wide = DocumentText();
        QVERIFY(SavePuzzle(path("wide.gsd")) && LoadPuzzle(path("wide.gsd")));
        QVERIFY(m_prompt->shown.isEmpty());
        QCOMPARE(DocumentText(), wide);
    }

    void storedValuesAreCutAndKeptAsFarAsPossible()
    {
        writeFileBytes(
                path("cut.gsd"),
                documentWith("<BoardCols>1</BoardCols><BoardRows>1</BoardRows><Board><Board>"
                             "<Letter>XY</Letter></Board></Board><FieldSize>60</FieldSize>"
                             "<BorderWidth>1</BorderWidth><Numbers><Number><Num>1</Num><Col>1"
                             "</Col><Row>1</Row><Text>"
                             + std::string(300, 'd')
                             + "</Text></Number><Number><Num>3</Num><Col>1</Col><Row>1</Row>"
                               "</Number></Numbers>"));
        QVERIFY(LoadPuzzle(path("cut.gsd")));
        QVERIFY(m_prompt->shown.isEmpty());
        QCOMPARE(GetLetter({1, 1}), std::string("X"));
        QCOMPARE(Puzzle.Numbers.size(), size_t(2));
        QCOMPARE(Puzzle.Numbers[0].Text, std::string(255, 'd'));
        QCOMPARE(Puzzle.Numbers[1].Num, 3); // not renumbered
        QCOMPARE(Puzzle.FieldSize, 60);     // unusual but drawable
    }

    void whatTheEditorCannotMakeIsDropped_data()
    {
        QTest::addColumn<QByteArray>("content");
        // A board of cols x rows with "A" at (1, 1) and last at the far corner.
        const auto board = [](int cols, int rows, const std::string &last) {
            std::string items;
            for (int i = 1; i <= cols * rows; ++i)
                items += "<Board><Letter>"
                         + (i == 1             ? "A"
                            : i == cols * rows ? last
                                               : "")
                         + "</Letter></Board>";
            return "<BoardCols>" + std::to_string(cols) + "</BoardCols><BoardRows>"
                   + std::to_string(rows) + "</BoardRows><Board>" + items + "</Board>";
        };
        const std::string row = board(1, 1, "A");
        const std::string inside = "<Number><Num>1</Num><Col>1</Col><Row>1</Row></Number>";
        QTest::newRow("field in column 51") << documentWith(board(51, 1, "-"));
        QTest::newRow("number at (255, 255)")
                << documentWith(row + "<Numbers>" + inside
                                + "<Number><Num>2</Num><Col>255</Col><Row>255</Row></Number>"
                                  "</Numbers>");
        QTest::newRow("field size 1000 on 17 x 17")
                << documentWith("<FieldSize>1000</FieldSize>" + board(17, 17, "A"));
    }

    // Loading keeps the puzzle within the editing area and drawable sizes (for any file: the
    // load fuzzer).
    void whatTheEditorCannotMakeIsDropped()
    {
        QFETCH(QByteArray, content);
        writeFileBytes(path("beyond.gsd"), content);
        QVERIFY(LoadPuzzle(path("beyond.gsd")));
        QVERIFY(m_prompt->lastText().endsWith(QStringLiteral("trotzdem zu laden.")));
        QCOMPARE(GetLetter({1, 1}), std::string("A"));
        QCOMPARE(GetLetter({51, 1}), std::string()); // the field or number beyond is gone
        QVERIFY(Puzzle.Numbers.size() <= 1);
        QCOMPARE(Puzzle.FieldSize, 30);
    }

    void readingAllocatesByTheFileNotByTheLimit()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer reserves its own address space");
#endif
        buildRichPuzzle();
        QVERIFY(SavePuzzle(path("small.gsd")));
        writeFileBytes(path("small.txt"), "Felderquiz\r\n" + QByteArray(299, '\n') + "0\r\n");
        // Room for the load of a small file, far from the limits.
        QFile status(QStringLiteral("/proc/self/statm"));
        QVERIFY(status.open(QIODevice::ReadOnly));
        const qint64 pages = status.readAll().split(' ').first().toLongLong();
        rlimit saved{};
        getrlimit(RLIMIT_AS, &saved);
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(pages * 4096 + 48 * 1024 * 1024);
        QCOMPARE(setrlimit(RLIMIT_AS, &tight), 0);
        const bool document = LoadPuzzle(path("small.gsd"));
        const bool legacy = LoadPuzzle(path("small.txt"));
        setrlimit(RLIMIT_AS, &saved);
        QVERIFY(document && legacy);
    }

    // Unreadable contents are refused by the ipuz test, which reads files of every kind.
    void missingFilesChangeNothing()
    {
        FakeBoardView view;
        SetLetter({2, 2}, "Q");
        view.caption = QStringLiteral("before");
        QVERIFY(!LoadPuzzle(path("missing.gsd")));
        QVERIFY(!LoadPuzzle(m_dir.path()));
        QCOMPARE(GetLetter({2, 2}), std::string("Q"));
        QCOMPARE(view.caption, QStringLiteral("before"));
    }

    void damagedDocumentsLoadIntoAnEmptyPuzzle_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("fieldSize");
        QTest::newRow("not zlib") << QByteArray("\x09Sternfeld garbage", 18) << 30;
        QTest::newRow("bad number") << documentWith("<BoardCols>x</BoardCols>") << 30;
        QTest::newRow("huge board") << documentWith(
                "<FieldSize>40</FieldSize><BorderWidth>1</BorderWidth><BoardCols>2000000000"
                "</BoardCols><BoardRows>2000000000</BoardRows>")
                                    << 40;
        QTest::newRow("frame wider than field")
                << documentWith("<FieldSize>30</FieldSize><BorderWidth>31</BorderWidth>") << 30;
    }

    void damagedDocumentsLoadIntoAnEmptyPuzzle()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, fieldSize);
        FakeBoardView view;
        SetLetter({4, 4}, "Q");
        Puzzle.Numbers.push_back(MakeClueNumber(4, 4, "alt", true));
        writeFileBytes(path("damaged.gsd"), content);
        QVERIFY(LoadPuzzle(path("damaged.gsd")));
        QCOMPARE(m_prompt->lastText(),
                 QStringLiteral("damaged.gsd enthält einige ungültige Daten! Es wird versucht, "
                                "das Felderquiz trotzdem zu laden."));
        QVERIFY(IsBoardEmpty());
        QVERIFY(Puzzle.Numbers.empty());
        QCOMPARE(Puzzle.FieldSize, fieldSize);
        QCOMPARE(Puzzle.BorderWidth, 1);
        QCOMPARE(view.caption, QStringLiteral("Gitterstern 2.0 (BETA 1.2) - damaged.gsd"));
        QVERIFY(!Modified);
    }

    void everyTruncationIsSurvived()
    {
        buildRichPuzzle();
        QVERIFY(SavePuzzle(path("whole.gsd")));
        const QByteArray whole = readFileBytes(path("whole.gsd"));
        for (qsizetype size = 0; size < whole.size(); ++size) {
            writeFileBytes(path("cut.gsd"), whole.left(size));
            m_prompt->shown.clear();
            LoadPuzzle(path("cut.gsd"));
            QCOMPARE(m_prompt->shown.size(), 1);
            QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        }
    }

    void aZipBombStopsAtTheLimit()
    {
        // 20 MiB of blanks inside a document element, about 20 KiB compressed.
        const QByteArray bomb = documentWith("<Infos>" + std::string(20 << 20, ' ') + "</Infos>");
        QVERIFY(bomb.size() < 1024 * 1024);
        writeFileBytes(path("bomb.gsd"), bomb);
        QVERIFY(LoadPuzzle(path("bomb.gsd")));
        QVERIFY(m_prompt->lastText().contains(QStringLiteral("ungültige Daten")));
        QCOMPARE(Puzzle.Infos, std::string(" - Felderquiz"));
    }

    void failedSavesKeepTheOldFileAndTheChanges()
    {
        const QString target = path("keep.gsd");
        buildRichPuzzle();
        QVERIFY(SavePuzzle(target));
        const QByteArray before = readFileBytes(target);

        Modified = true;
        const QString nowhere = path("no such folder/keep.gsd");
        QVERIFY(!SavePuzzle(nowhere));
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        QVERIFY(m_prompt->lastText().contains(nowhere));
        QVERIFY(Modified);

        // The plain copy cannot be written: the rest waits.
        QVERIFY(QDir(m_dir.path()).mkdir("blocked.gsd.xml"));
        QVERIFY(!SavePuzzle(path("blocked.gsd")));
        QVERIFY(m_prompt->lastText().contains(path("blocked.gsd.xml")));
        QVERIFY(Modified);

        // No temporary file can be made beside a name of the longest length the file system
        // takes (this also fails for root, who may write into read-only folders).
        const QString longest = path(QString(251, QLatin1Char('q')) + QStringLiteral(".gsd"));
        writeFileBytes(longest, before);
        QVERIFY(!SavePuzzle(longest));
        QVERIFY(m_prompt->lastText().startsWith(
                QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. Die neue Datei "
                               "kann nicht an die Stelle der alten treten")
                        .arg(longest)));
        QVERIFY(m_prompt->lastText().endsWith(
                QStringLiteral(" Eine bereits vorhandene Datei bleibt unverändert.")));
        QCOMPARE(readFileBytes(longest), before);
        QVERIFY(Modified);
    }

    void legacyTextFormat()
    {
        FakeBoardView view;
        QByteArray text = "Felderquiz\r\n";
        for (int i = 0; i < 299; ++i)
            text += i == 0 ? "H\r\n" : i == 13 ? "\xC4X\r\n" : "\r\n"; // (1,1) and (2,1)
        text += "2\r\n1\r\n1\r\n1\r\nErster Hinweis\r\n2\r\n1\r\n0\r\nZweiter\r\n";
        for (const char *lineEnd : {"\r\n", "\n"}) {
            writeFileBytes(path("alt.txt"), QByteArray(text).replace("\r\n", lineEnd));
            QVERIFY(LoadPuzzle(path("alt.txt")));
            QVERIFY(m_prompt->shown.isEmpty());
            QCOMPARE(BoardCols() * 100 + BoardRows(), 2313);
            QCOMPARE(GetLetter({1, 1}) + GetLetter({2, 1}), std::string("H\xC4"));
            QVERIFY(Puzzle.Numbers.size() == 2 && !Puzzle.Numbers[1].Hor);
            QCOMPARE(Puzzle.Numbers[1].Text, std::string("Zweiter"));
            QVERIFY(!Modified);
        }

        // A broken number line keeps what was read, and does not tie it to the old file.
        text.replace("2\r\n1\r\n0\r\n", "2\r\nzwei\r\n0\r\n");
        writeFileBytes(path("kaputt.txt"), text);
        QVERIFY(!LoadPuzzle(path("kaputt.txt")));
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        QVERIFY(m_prompt->lastText().contains(QStringLiteral("kaputt.txt")));
        QCOMPARE(Puzzle.Numbers.size(), size_t(1));
        QCOMPARE(view.fileName, QString());
        QVERIFY(Modified);
    }

    void newerVersionsGetANotice()
    {
        for (const char *older : {"2.0 (BETA 1.2)", "1.9", "Sternfeld", ""})
            CheckFileVersion(QStringLiteral("/x/a.gsd"), older);
        QVERIFY(m_prompt->shown.isEmpty());
        for (const char *newer : {"2.0", "2.0 (BETA 1.3)", "3"})
            CheckFileVersion(QStringLiteral("/x/a.gsd"), newer);
        QCOMPARE(m_prompt->shown.size(), 3);
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Hinweis"));
        QCOMPARE(m_prompt->lastText(),
                 QStringLiteral("a.gsd wurde mit einer neueren Programmversion (3) erstellt. Wenn "
                                "Sie diese Datei erneut unter diesem Dateinamen speichern, könnten "
                                "unter Umständen Daten verloren gehen."));
    }
};

QTEST_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
