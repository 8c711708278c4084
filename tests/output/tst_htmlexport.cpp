#include "core/cp1252.h"
#include "core/puzzle.h"
#include "output/htmlexport.h"
#include "support/placefield.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

namespace {

// 3 x 3: HAT / U#E / T-E with a separator right of A, a block, a field without a letter,
// a solution-letter field and the numbers 1 (across), 2 (down) and 3 (across, right of the
// block).
void smallPuzzle()
{
    NewPuzzle();
    const char *const rows[] = {"HAT", "U#E", "T-E"};
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 3; ++col) {
            const char c = rows[row - 1][col - 1];
            TBoardField field{c == '#' ? "-" : std::string(1, c)};
            field.Block = c == '#';
            PlaceField({col, row}, field);
        }
    }
    FieldAt({2, 1}).BorderRight = true;
    FieldAt({3, 3}).SolutionNumber = 1;
    Puzzle.Numbers = {MakeClueNumber(1, 1, "Kopfbedeckung", true),
                      MakeClueNumber(3, 1, "Getr\xE4nk", false),
                      MakeClueNumber(3, 2, "Vokal", true)};
    for (int i = 0; i < 3; ++i)
        Puzzle.Numbers[i].Num = i + 1;
}

QStringList lines(const std::string &page)
{
    return toQString(page).split(QStringLiteral("\r\n"));
}

} // namespace

class TestHtmlExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { smallPuzzle(); }

    void pageMatchesTheExpectedText_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("solvable");
        QTest::newRow("solvable, arcs, outside numbers") << QStringLiteral("loesbar.htm") << true;
        QTest::newRow("read only, inside numbers") << QStringLiteral("nurlesen.htm") << false;
    }

    // Every line as the page is laid out, including the escaped title, button label and
    // message, the repaired check, and the background picture relative to the page's folder.
    void pageMatchesTheExpectedText()
    {
        QFETCH(QString, golden);
        QFETCH(bool, solvable);
        OutputSettings settings;
        settings.setOn("CheckBox1", solvable);
        settings.setOn("CheckBox2", true);
        settings.setText("Edit5", "/home/anna/Bilder/papier.jpg");
        if (solvable) {
            settings.setOn("CheckBox6", true);
            settings.setText("Edit1",
                             "Pr\xFC"
                             "fen \"jetzt\"");
            settings.setText("Edit3", "Gel\xF6st: \"Hut\" \\o/");
            settings.setText("Edit12", "Hut & <i>Tee</i>");
            Puzzle.StartField = {3, 3};
            Puzzle.EndField = {1, 3};
        } else {
            settings.setOn("CheckBox9", false);
            settings.setOn("CheckBox4", false);
            settings.setSpin("SpinEdit1", 1);
            Puzzle.NumbersInside = true;
            Puzzle.StartField = {1, 1};
            Puzzle.EndField = {1, 3};
        }
        const HtmlPage page = MakeHtmlPage(settings, QStringLiteral("/home/anna/Seiten/x.htm"));
        QVERIFY(page.error.isEmpty());
        QCOMPARE(page.usesArc, solvable);
        // The list ends in an empty entry when the last line ends in CR LF.
        const QByteArray expected = readFileBytes(QStringLiteral(GS_TEST_DATA "/") + golden);
        QCOMPARE(lines(page.text), lines(expected.toStdString()));
    }

    // A position setting without an integer names the setting and writes nothing. "arc.gif" is
    // written beside the page exactly when a solution number is shown with arcs: one field
    // square, white marked transparent.
    void filesWritten()
    {
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("r.htm"));
        const QString arc = folder.filePath(QStringLiteral("arc.gif"));
        OutputSettings settings;
        settings.setText("Edit7", "3O");
        const QString error = GenerateHTML(page, settings);
        QVERIFY2(error.contains(QStringLiteral("\"Platz über/unter Buttons:\""))
                         && error.contains(QStringLiteral("\"3O\"")),
                 qPrintable(error));
        QVERIFY(QDir(folder.path()).isEmpty());

        settings.setText("Edit7", "30");
        QCOMPARE(GenerateHTML(page, settings), QString());
        const QByteArray bytes = readFileBytes(arc);
        QVERIFY(bytes.startsWith("GIF89a\x1E\0\x1E\0"));
        QCOMPARE(bytes.at(bytes.indexOf("\x21\xF9\x04") + 3), '\x01');
        QVERIFY(QFile::remove(arc));

        FieldAt({3, 3}).SolutionNumber = 0;
        QCOMPARE(GenerateHTML(page, settings), QString());
        QVERIFY(QFile::exists(page));
        QVERIFY(!QFile::exists(arc));
    }

    // The picture name cannot leave its attribute, and folders differing in case are two.
    void backgroundPicture()
    {
        OutputSettings settings;
        settings.setText("Edit5", "Sonne\" onload=\"alert(5).jpg");
        const std::string page = MakeHtmlPage(settings, QString()).text;
        QVERIFY(page.find(" background=\"Sonne&quot; onload=&quot;alert(5).jpg\">")
                != std::string::npos);
        const QString folder = QStringLiteral("/home/anna/Bilder");
        QCOMPARE(relativePicturePath("/home/anna/Bilder/a.jpg", folder), std::string("a.jpg"));
        QCOMPARE(relativePicturePath("/home/anna/bilder/a.jpg", folder),
                 std::string("..\\bilder\\a.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
