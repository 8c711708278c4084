#include "core/puzzle.h"
#include "output/webexport.h"
#include "support/fullboard.h"
#include "support/placefield.h"
#include "support/testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

const std::string dataStart = "<script type=\"application/json\" id=\"raetseldaten\">";

// The page's puzzle data, parsed.
QJsonObject pageData(const std::string &page)
{
    const size_t start = page.find(dataStart) + dataStart.size();
    const std::string json = page.substr(start, page.find("</script>", start) - start);
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

} // namespace

class TestWebExport : public QObject
{
    Q_OBJECT

private slots:
    void pageCodeStaysSmall()
    {
        const qsizetype size = readFileBytes(":/web/puzzle.js").size()
                               + readFileBytes(":/web/puzzle.css").size();
        QVERIFY2(size > 1000 && size <= 40 * 1024, QByteArray::number(size));

        // The largest puzzle: 50 x 40 letters, 400 definitions of the longest length.
        FillFullBoard();
        for (int i = 300; i < 400; ++i)
            Puzzle.Numbers.push_back(MakeClueNumber(2 + i % 49, 3 + i % 37, "", false));
        for (int i = 0; i < 400; ++i) {
            Puzzle.Numbers[size_t(i)].Num = i + 1;
            Puzzle.Numbers[size_t(i)].Text = std::string(250, 'e') + "\xE4\xF6\xFC\xDF\"";
        }
        const std::string page = MakeWebPage(OutputSettings());
        QVERIFY2(page.size() <= 200 * 1024, QByteArray::number(qulonglong(page.size())));
        QCOMPARE(pageData(page).value("cells").toArray().size(), 2000);
    }

    // Definitions and the title come from the user: whatever they hold, the data stays JSON that
    // reads back as typed (Windows-1252 turned into UTF-8), and no text ends or opens an element.
    void textsCannotBreakThePage()
    {
        NewPuzzle();
        PlaceWord({2, 3}, true, "AB");
        const std::string nasty = "</script><!-- \"x\\y\" \x01\t\x80\x8A \xE4";
        Puzzle.Numbers = {MakeClueNumber(2, 3, nasty, true)};
        Puzzle.Numbers[0].Num = 1;
        OutputSettings settings;
        settings.setText("Edit12", "<b>&</title>");
        const std::string page = MakeWebPage(settings);

        QCOMPARE(QByteArray::fromStdString(page).count("</script"), 2);
        QCOMPARE(QByteArray::fromStdString(page).count("</title"), 1);
        QVERIFY(page.find("<title>&lt;b&gt;&amp;&lt;/title&gt;</title>") != std::string::npos);
        const QJsonObject data = pageData(page);
        QCOMPARE(data.value("clues").toArray().at(0).toArray().at(4).toString(),
                 QString::fromUtf8("</script><!-- \"x\\y\" \x01\t€Š ä"));

        settings.setText("Edit12", "  ");
        QVERIFY(MakeWebPage(settings).find("<title>Felderquiz</title>") != std::string::npos);
    }

    // An empty board writes no page; cells in reading order without provisional fields, open
    // fields without a letter marked, the frame from its upper-left end, the solution only where
    // the page can check.
    void dataDescribesTheBoard()
    {
        const QTemporaryDir folder;
        NewPuzzle();
        QVERIFY(ExportWebPage(folder.filePath("r.html"), OutputSettings())
                        .contains(u"keine Felder"));
        QVERIFY(QDir(folder.path()).isEmpty());
        PlaceWord({3, 2}, true, "QU-Z");
        SetLetter({4, 4}, " ");
        TBoardField block{"-"};
        block.Block = true;
        block.BorderTop = true;
        PlaceField({3, 3}, block);
        Puzzle.StartField = {6, 2};
        Puzzle.EndField = {3, 2};

        OutputSettings settings;
        const std::string page = MakeWebPage(settings);
        const QJsonObject data = pageData(page);
        QCOMPARE(QJsonDocument(data.value("cells").toArray()).toJson(QJsonDocument::Compact),
                 QByteArray("[[3,2,0,0],[4,2,0,0],[5,2,32,0],[6,2,0,0],[3,3,9,0]]"));
        QCOMPARE(QJsonDocument(data.value("frame").toArray()).toJson(QJsonDocument::Compact),
                 QByteArray("[3,2,6,2]"));
        QVERIFY(data.contains("solution"));
        QVERIFY(page.find("QU") == std::string::npos);
        QVERIFY(page.find(QByteArray("QUZ").toBase64().toStdString()) == std::string::npos);

        settings.setOn("CheckBox1", false);
        QVERIFY(!pageData(MakeWebPage(settings)).contains("solution"));
    }
};

QTEST_GUILESS_MAIN(TestWebExport)
#include "tst_webexport.moc"
