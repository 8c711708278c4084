#include "core/puzzle.h"
#include "editor/colorpanel.h"
#include "editor/outputsettingsdialog.h"
#include "output/outputsettings.h"
#include "support/clickbutton.h"
#include "support/scriptedprompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace gs;

class TestOutputSettingsDialog : public QObject
{
    Q_OBJECT

    template<typename T>
    static T *control(const TForm6 &dialog, const char *key)
    {
        return dialog.findChild<T *>(QLatin1String(key));
    }

    // Shows the dialog and presses the button with text once it runs.
    static bool showAndPress(TForm6 &dialog, const QString &text)
    {
        QTimer::singleShot(0, &dialog, [&dialog, text] { clickButton(&dialog, text); });
        return dialog.showOnPage(TForm6::Page::Html);
    }

private slots:
    void init()
    {
        NewPuzzle();
        CurrentOutputSettings().SetStandardValues();
        Modified = false;
    }

    void enablingRulesFollowSwitchesAndLoadedText()
    {
        TForm6 dialog;
        QVERIFY(!control<QLineEdit>(dialog, "Edit14")->isEnabled());
        control<QCheckBox>(dialog, "CheckBox2")->click();
        QVERIFY(control<QLineEdit>(dialog, "Edit14")->isEnabled());
        control<QCheckBox>(dialog, "CheckBox1")->click();
        for (const char *key : {"CheckBox5", "Edit1", "CheckBox6", "Edit2", "Edit3", "Edit4"})
            QVERIFY2(!control<QWidget>(dialog, key)->isEnabled(), key);
    }

    void rightClickTakesAnHtmlColour()
    {
        ScriptedPrompt prompt;
        for (const std::optional<QString> &text :
             {std::optional<QString>(QStringLiteral("#FF0000")),
              std::optional<QString>(QStringLiteral("kein Code")),
              std::optional<QString>()})
            prompt.texts.enqueue(text);
        TForm6 dialog;
        ColorPanel *panel = control<ColorPanel>(dialog, "Panel3");
        QTest::mouseClick(panel, Qt::RightButton);
        QCOMPARE(prompt.inputCaptions, QList<QString>{QStringLiteral("HTML-Farbcode-Eingabe")});
        QCOMPARE(prompt.inputDefaults, QList<QString>{QStringLiteral("#000000")});
        QVERIFY(CurrentOutputSettings().Make().find("Panel3#13#clRed^10^") != std::string::npos);
        QTest::mouseClick(panel, Qt::RightButton);
        QCOMPARE(CurrentOutputSettings().color("Panel3"), TColor(0xFFFFFF));
        QTest::mouseClick(panel, Qt::RightButton); // cancelled
        QCOMPARE(panel->color(), TColor(0xFFFFFF));
    }

    // A name the code page cannot hold is refused, not stored with "?" in place.
    void pictureNameOutsideTheCodePage()
    {
        ScriptedPrompt prompt;
        prompt.texts.enqueue(QStringLiteral("/tmp/\u5199\u771F.jpg"));
        TForm6 dialog;
        clickButton(&dialog, QStringLiteral("..."));
        QVERIFY(prompt.lastText().contains(QStringLiteral("„Hintergrundbild:“")));
        QKeyEvent typed(
                QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u5199"));
        QApplication::sendEvent(control<QLineEdit>(dialog, "Edit5"), &typed);
        QCOMPARE(CurrentOutputSettings().text("Edit5"), std::string());
    }

    void okStoresTheSettingsInThePuzzle()
    {
        Puzzle.Infos = "Edit12#13#Mein R\xE4tsel^10^";
        TForm6 dialog;
        QVERIFY(!showAndPress(dialog, QStringLiteral("Abbrechen")));
        QCOMPARE(control<QLineEdit>(dialog, "Edit12")->text(), QStringLiteral("Mein Rätsel"));
        QVERIFY(!Modified);
        QCOMPARE(Puzzle.Infos, std::string("Edit12#13#Mein R\xE4tsel^10^"));

        QVERIFY(showAndPress(dialog, QStringLiteral("OK")));
        QVERIFY(Modified);
        QCOMPARE(Puzzle.Infos, CurrentOutputSettings().Make());
        QCOMPARE(CurrentOutputSettings().text("Edit12"), std::string("Mein R\xE4tsel"));
    }
};

QTEST_MAIN(TestOutputSettingsDialog)
#include "tst_outputsettingsdialog.moc"
