#include "core/puzzle.h"
#include "editor/boardviewport.h"
#include "editor/dialogprompt.h"
#include "editor/mainwindow.h"
#include "editor/sidepanel.h"
#include "support/scriptedprompt.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

using namespace gs;

namespace {

const QString caption = QString::fromUtf8(ProgramCaption);

QAction *entry(const TForm1 &form, const QString &text)
{
    for (QAction *action : form.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Actions as "entry|entry Ctrl+S|-|submenu{...}".
QString describe(const QList<QAction *> &actions)
{
    QStringList items;
    for (const QAction *action : actions) {
        QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (action->menu())
            item += QLatin1Char('{') + describe(action->menu()->actions()) + QLatin1Char('}');
        if (!action->shortcut().isEmpty())
            item += QLatin1Char(' ') + action->shortcut().toString(QKeySequence::PortableText);
        items << item;
    }
    return items.join(QLatin1Char('|'));
}

void sendWheel(TForm1 &form, QWidget *over, int delta)
{
    const QPointF at = over->mapTo(&form, over->rect().center());
    QWheelEvent wheel(at, form.mapToGlobal(at), {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.windowHandle(), &wheel);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    ScriptedPrompt *m_prompt = nullptr;
    TForm1 *m_form = nullptr;

    void showForm(const QString &startupFile = QString())
    {
        m_form->setStartupFile(startupFile);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QTRY_COMPARE(m_form->windowTitle(), caption);
    }

    // A puzzle reaching to column 50 and row 40, far beyond the window.
    void fillToCorner()
    {
        showForm();
        SetLetter({1, 1}, "A");
        SetLetter({50, 40}, "Z");
        m_form->CheckScrolling();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_prompt = new ScriptedPrompt;
        m_form = new TForm1;
        m_form->installAppMessage();
    }

    void cleanup()
    {
        Modified = false;
        delete m_form;
        delete m_prompt;
        NewPuzzle();
    }

    void firstShowingRunsNew()
    {
        SetLetter({3, 3}, "Q");
        showForm();
        QCOMPARE(GetLetter({3, 3}), std::string());
        QVERIFY(!Modified);
        QVERIFY(m_form->currentFileName().isEmpty());
        QVERIFY(m_prompt->shown.isEmpty());
        QCOMPARE(m_form->size(), QSize(806, 643));
    }

    void saveQuestion_data()
    {
        QTest::addColumn<QString>("command"); // a menu entry, or empty for closing the window
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Prompt::Answer>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<int>("fileDialogs");

        QTest::newRow("close unmodified") << "" << false << Prompt::Answer::Ok << true << 0;
        // Yes, but the save dialog is cancelled: the changes must not be thrown away.
        QTest::newRow("close, yes, save cancelled")
                << "" << true << Prompt::Answer::Yes << false << 1;
        QTest::newRow("close, no") << "" << true << Prompt::Answer::No << true << 0;
        QTest::newRow("close, cancel") << "" << true << Prompt::Answer::Cancel << false << 0;
        QTest::newRow("new, yes, save cancelled")
                << "Neu" << true << Prompt::Answer::Yes << false << 1;
        QTest::newRow("new, no") << "Neu" << true << Prompt::Answer::No << true << 0;
        QTest::newRow("new, cancel") << "Neu" << true << Prompt::Answer::Cancel << false << 0;
    }

    void saveQuestion()
    {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(Prompt::Answer, answer);
        QFETCH(bool, proceeds);
        QFETCH(int, fileDialogs);

        showForm();
        SetLetter({2, 2}, "A");
        Modified = modified;
        if (modified)
            m_prompt->answers << answer;
        if (command.isEmpty()) {
            QCOMPARE(m_form->close(), proceeds);
            QCOMPARE(m_form->isVisible(), !proceeds);
        } else {
            entry(*m_form, command)->trigger();
            QCOMPARE(GetLetter({2, 2}), proceeds ? "" : "A");
            QCOMPARE(Modified, !proceeds);
        }
        QCOMPARE(m_prompt->fileDialogs, fileDialogs);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
        QCOMPARE(m_prompt->shown.size(), modified ? 1 : 0);
        if (!modified)
            return;
        const ScriptedPrompt::Shown &question = m_prompt->shown.first();
        QCOMPARE(question.caption, QStringLiteral("Änderungen speichern"));
        QCOMPARE(question.text,
                 QStringLiteral(
                         "Das Felderquiz wurde verändert.\r\nAktuelle Änderungen speichern?"));
        QCOMPARE(question.icon, Prompt::Icon::Question);
        QCOMPARE(question.buttons, Prompt::Buttons::YesNoCancel);
    }

    void saveOpenAndTheSaveQuestion()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quiz.gsd"));
        showForm();
        SetLetter({2, 2}, "A");
        Modified = true;

        // Save on a never-saved puzzle asks for a name.
        m_prompt->texts << path;
        entry(*m_form, QStringLiteral("Speichern"))->trigger();
        QCOMPARE(m_prompt->fileDialogs, 1);
        QVERIFY(QFile::exists(path) && QFile::exists(path + QStringLiteral(".xml")));
        QCOMPARE(m_form->currentFileName(), path);
        QCOMPARE(m_form->windowTitle(), caption + QStringLiteral(" - quiz.gsd"));
        QVERIFY(!Modified);

        // Yes in the save question saves without a dialog, then New goes on.
        SetLetter({3, 2}, "B");
        Modified = true;
        m_prompt->answers << Prompt::Answer::Yes;
        entry(*m_form, QStringLiteral("Neu"))->trigger();
        QCOMPARE(m_prompt->fileDialogs, 1);
        QVERIFY(IsBoardEmpty());
        QCOMPARE(m_form->windowTitle(), caption);

        // Open shows what was saved last.
        m_prompt->texts << path;
        entry(*m_form, QStringLiteral("Öffnen"))->trigger();
        QCOMPARE(GetLetter({3, 2}), std::string("B"));
        QCOMPARE(m_form->currentFileName(), path);
        QVERIFY(!Modified);
        QCOMPARE(m_prompt->unexpectedQuestions, 0);
    }

    void startupFileThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("name");    // in a fresh folder; empty: the folder itself
        QTest::addColumn<QString>("message"); // %1: the path, %2: the name without folder
        QTest::newRow("missing") << "fehlt.gsd"
                                 << "Die Datei %1 wurde nicht gefunden!";
        QTest::newRow("directory") << ""
                                   << "%2 kann nicht gelesen werden!";
    }

    void startupFileThatCannotBeOpened()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
        showForm(path);
        QTRY_COMPARE(m_prompt->shown.size(), 1);
        QCOMPARE(m_prompt->lastCaption(), QStringLiteral("Fehler"));
        QCOMPARE(m_prompt->shown.first().icon, Prompt::Icon::Warning);
        QCOMPARE(m_prompt->lastText(),
                 QString(message).replace("%1", path).replace("%2", QFileInfo(path).fileName()));
        QVERIFY(!Modified);
        QVERIFY(IsBoardEmpty());
        QCOMPARE(m_form->windowTitle(), caption);
        QVERIFY(m_form->currentFileName().isEmpty());
    }

    void startupFileReadInPartIsUnnamedAndModified()
    {
        // As after "Öffnen": closing asks before the partial copy is discarded.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("alt.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Felderquiz\r\nA\r\n");
        file.close();
        showForm(path);
        QTRY_COMPARE(m_prompt->shown.size(), 1);
        QCOMPARE(GetLetter({1, 1}), std::string("A"));
        QVERIFY(Modified);
        QVERIFY(m_form->currentFileName().isEmpty());
    }

    void panelSettingsAndNew()
    {
        showForm();
        auto *fieldSize = m_form->sidePanel()->findChildren<QSpinBox *>().at(0);
        auto *borderWidth = m_form->sidePanel()->findChildren<QSpinBox *>().at(1);
        fieldSize->setValue(44);
        QCOMPARE(Puzzle.FieldSize, 44);
        QVERIFY(Modified);
        Modified = false;
        borderWidth->setValue(3);
        QCOMPARE(Puzzle.BorderWidth, 3);
        QVERIFY(Modified);
        m_form->setNumbersInsideChecked(true);
        QVERIFY(Puzzle.NumbersInside);

        // New puts the controls back; their handlers run, yet the new puzzle is unmodified.
        m_prompt->answers << Prompt::Answer::No;
        entry(*m_form, QStringLiteral("Neu"))->trigger();
        QCOMPARE(fieldSize->value(), 30);
        QCOMPARE(borderWidth->value(), 1);
        QVERIFY(!m_form->numbersInsideChecked());
        QCOMPARE(Puzzle.FieldSize, 30);
        QCOMPARE(Puzzle.BorderWidth, 1);
        QVERIFY(!Puzzle.NumbersInside);
        QVERIFY(!Modified);
    }

    void wheelMovesTheVerticalBarBy40()
    {
        showForm();
        m_form->CheckScrolling();
        QScrollBar *bar = m_form->verticalBar();
        QVERIFY(!bar->isEnabled());
        sendWheel(*m_form, m_form->viewport(), -120);
        QCOMPARE(bar->value(), 0);

        fillToCorner();
        QVERIFY(bar->isEnabled());
        sendWheel(*m_form, m_form->viewport(), -120);
        QCOMPARE(bar->value(), 40);
        sendWheel(*m_form, m_form->viewport(), -1);
        QCOMPARE(bar->value(), 80);
        sendWheel(*m_form, m_form->viewport(), 120);
        QCOMPARE(bar->value(), 40);
        // Over the bar itself the wheel still moves it by exactly 40.
        sendWheel(*m_form, bar, -120);
        QCOMPARE(bar->value(), 80);
        // Clamped at both ends.
        for (int i = 0; i < 3; ++i)
            sendWheel(*m_form, m_form->viewport(), 120);
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum() - 10);
        sendWheel(*m_form, m_form->viewport(), -120);
        QCOMPARE(bar->value(), bar->maximum());
        // The horizontal bar does not follow the wheel.
        QCOMPARE(m_form->horizontalBar()->value(), 0);
    }

    void checkScrolling()
    {
        fillToCorner();
        // Field (50, 40) at size 30 ends at pixel 49 * 29 + 30 = 1451 and 39 * 29 + 30 = 1161.
        const QSize visible = m_form->viewport()->size();
        QVERIFY(m_form->horizontalBar()->isEnabled());
        QCOMPARE(m_form->horizontalBar()->maximum(), 1451 - visible.width() + 40);
        QCOMPARE(m_form->verticalBar()->maximum(), 1161 - visible.height() + 40);

        // The selection beyond the right and bottom edges: on by 3 * (30 div 2) = 45 pixels.
        SelectedField = {50, 40};
        m_form->CheckScrolling();
        QCOMPARE(m_form->scrollPosition(), QPoint(45, 45));
        // Starting before the visible area: back by one field size.
        m_form->horizontalBar()->setValue(500);
        SelectedField = {1, 40};
        m_form->CheckScrolling();
        QCOMPARE(m_form->horizontalBar()->value(), 470);

        // Scrolled down, then the far field goes: the range still reaches the view's position.
        SelectedField = {-1, -1};
        m_form->horizontalBar()->setValue(0);
        m_form->verticalBar()->setValue(100);
        SetLetter({50, 40}, "");
        m_form->CheckScrolling();
        QVERIFY(!m_form->horizontalBar()->isEnabled());
        QCOMPARE(m_form->verticalBar()->maximum(), 30 + 40);
        QCOMPARE(m_form->verticalBar()->value(), 70);
        QCOMPARE(m_form->viewport()->offset(), QPoint(0, 70));
    }

    void menuBarAndToolBar()
    {
        QStringList menus;
        for (QAction *action : m_form->menuBar()->actions())
            menus << describe({action});
        QCOMPARE(menus,
                 QStringList({
                         "Datei{Neu|-|Öffnen|Speichern Ctrl+S|Speichern unter...|-|Exportieren{"
                         "Bildausgabe|HTML-Datei|-|Zwischenablage (nur Gitter)}|-|Beenden}",
                         "Felderquiz{Gitter einfügen|-|Feld zu Block Ctrl+B|Leere Felder zu "
                         "Blöcken|Leere Felder löschen|-|Horizontal einfügen Ctrl+H|Vertikal "
                         "einfügen Ctrl+V|Passend einfügen Ctrl+P|-|Ausgabe konfigurieren Ctrl+C}",
                         "Nummern{Neue Nummer Ctrl+N|Nummer löschen{Horizontale Nummer|Vertikale "
                         "Nummer}|-|Automatisch nummerieren|Neu nummerieren (Definitionen "
                         "erhalten)|Alle Nummern löschen|-|Definitions-Editor}",
                         "Ansicht{Raster Ctrl+R}",
                         "Extras{Rätsel-Assistent}",
                         "Hilfe{Info}",
                 }));
        QVERIFY(entry(*m_form, QStringLiteral("Raster"))->isCheckable());
        QVERIFY(!m_form->rasterShown());

        const QList<QAction *> actions = m_form->findChild<QToolBar *>()->actions();
        QStringList tips;
        for (const QAction *action : actions.mid(0, 10)) {
            QVERIFY(action->isSeparator() || !action->icon().isNull());
            tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        }
        QCOMPARE(tips.join('|'),
                 QStringLiteral("Neues Rätsel|Öffnen|Speichern|-|Horizontal einfügen|Vertikal "
                                "einfügen|Passend einfügen|-|Neue Nummer|Definitions-Editor"));
        QCOMPARE(actions.size(), 12);
        // The menu entry and its button are one action.
        QCOMPARE(actions.first(), entry(*m_form, QStringLiteral("Neu")));
        m_form->displayWarning(QStringLiteral("Warnung"));
        QCOMPARE(m_form->warningText(), QStringLiteral("Warnung"));
    }

    void fileDialogFilters()
    {
        QCOMPARE(DialogPrompt::nameFilters(QStringLiteral("Felderquiz-Dateien (*.gsd)|*.gsd")),
                 QStringList{QStringLiteral("Felderquiz-Dateien (*.gsd)")});
        QCOMPARE(DialogPrompt::nameFilters(QStringLiteral("Bilder|*.bmp;*.gif|Alle (*.txt)|*.*")),
                 QStringList({"Bilder (*.bmp *.gif)", "Alle (*.*)"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
