#include "core/puzzle.h"
#include "editor/htmlexportwindow.h"
#include "output/outputsettings.h"
#include "support/clickbutton.h"
#include "support/scriptedprompt.h"
#include "support/testfiles.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace gs;

// The export window with the desktop's browser standing in for the preview.
class TestHtmlExportWindow : public QObject
{
    Q_OBJECT

    QList<QUrl> m_opened;

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    // Opening writes the preview into the cache folder from the document's own settings and
    // shows it; "Speichern" asks in the document's folder and writes the page to the chosen file.
    void previewAndSave()
    {
        ScriptedPrompt prompt;
        NewPuzzle();
        SetLetter({1, 1}, "A");
        OutputSettings document;
        document.setText("Edit12", "Vorschau");
        Puzzle.Infos = document.Make();

        TForm7 window;
        window.show();
        const QString preview = TForm7::previewFileName();
        QVERIFY(preview.startsWith(
                QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(preview)});
        QVERIFY(readFileBytes(preview).contains("<title>Vorschau</title>"));

        const QTemporaryDir folder;
        window.setDocumentFolder([&] { return folder.path() + '/'; });
        prompt.texts.enqueue(folder.filePath(QStringLiteral("seite.htm")));
        clickButton(&window, QStringLiteral("Speichern"));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("seite.htm"))));
        QCOMPARE(prompt.inputDefaults, QList<QString>{folder.path() + '/'});
        QVERIFY(prompt.shown.isEmpty());
    }
};

QTEST_MAIN(TestHtmlExportWindow)
#include "tst_htmlexportwindow.moc"
