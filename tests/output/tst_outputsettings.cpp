#include "core/cp1252.h"
#include "output/outputsettings.h"

#include <QTest>

using namespace gs;

namespace {

// The settings text of the defaults.
const char *const standardText
        = "CheckBox8#13#1^10^Edit12#13#Felderquiz^10^CheckBox7#13#1^10^CheckBox4#13#1^10^"
          "SpinEdit1#13#2^10^CheckBox2#13#0^10^CheckBox3#13#1^10^CheckBox1#13#1^10^"
          "CheckBox5#13#1^10^Edit1#13#\xDC"
          "berpr\xFC"
          "fen^10^CheckBox6#13#0^10^"
          "Edit2#13#L\xF6sung^10^Edit3#13#Gratulation! Du hast das R\xE4tsel gel\xF6st!^10^"
          "Edit4#13#Leider ist noch nicht alles richtig.^10^Panel1#13#clWhite^10^"
          "Panel3#13#clBlack^10^Panel4#13#clBlack^10^Panel5#13#clWhite^10^Panel6#13#clWhite^10^"
          "Panel7#13#clBlack^10^Panel8#13#clWhite^10^Edit5#13#^10^Panel2#13#$00c4c4c4^10^"
          "Edit6#13#130^10^Edit7#13#30^10^Edit8#13#450^10^Edit9#13#500^10^Edit10#13#40^10^"
          "Edit13#13#43^10^Edit11#13#50^10^Edit14#13#700^10^CheckBox9#13#1^10^";

} // namespace

class TestOutputSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaultsMakeTheStandardText()
    {
        QCOMPARE(OutputSettings().Make(), std::string(standardText));
    }

    void getAppliesOnlyTheRecordsItFinds()
    {
        OutputSettings settings;
        settings.setText("Edit12", "Vorher");
        settings.setOn("CheckBox6", true);
        // Unknown keys, a record without "#13#", another case, "^10^" cutting a value short,
        // switch values other than "1", and the new puzzle's Infos change nothing else.
        settings.Get("Unbekannt#13#x^10^Edit5^10^checkbox8#13#true^10^Edit4#13#a^10^b#13#c^10^"
                     "CheckBox7#13#^10^SpinEdit1#13#3");
        QCOMPARE(settings.text("Edit12"), std::string("Vorher"));
        QVERIFY(settings.isOn("CheckBox6"));
        QVERIFY(!settings.isOn("CheckBox8"));
        QVERIFY(!settings.isOn("CheckBox7"));
        QCOMPARE(settings.text("Edit5"), std::string());
        QCOMPARE(settings.text("Edit4"), std::string("a"));
        QCOMPARE(settings.spin("SpinEdit1"), 3);

        settings.Get(std::string());
        QVERIFY(settings == OutputSettings());
    }

    void damagedNumbersAndColorsAreSkipped()
    {
        OutputSettings settings;
        settings.Get("SpinEdit1#13#zwei^10^Panel1#13#clNone^10^Panel3#13#clRed^10^"
                     "SpinEdit1#13#9^10^Edit6#13#abc^10^Panel2#13#$00C4C4C5");
        QCOMPARE(settings.color("Panel1"), TColor(0xFFFFFF));
        QCOMPARE(settings.color("Panel3"), TColor(0x0000FF));
        QCOMPARE(settings.color("Panel2"), TColor(0xC4C4C5));
        QCOMPARE(settings.spin("SpinEdit1"), 4);              // kept within the spin's range
        QCOMPARE(settings.text("Edit6"), std::string("abc")); // edits take text unchecked
        QVERIFY(!settings.number("Edit6"));
    }

    void colorTexts()
    {
        QCOMPARE(colorToText(0x0000FF), std::string("clRed"));
        QCOMPARE(colorToText(0xC4C4C4), std::string("$00c4c4c4"));
        QCOMPARE(colorFromText("CLAQUA"), std::optional<TColor>(0xFFFF00));
        QCOMPARE(colorFromText("12895428"), std::optional<TColor>(0xC4C4C4));
        QVERIFY(!colorFromText("Rot"));
    }

    void integers()
    {
        QCOMPARE(parseInteger("-42"), std::optional<qint32>(-42));
        QCOMPARE(parseInteger("$1F"), std::optional<qint32>(31));
        QCOMPARE(parseInteger("-2147483648"), std::optional<qint32>(INT32_MIN));
        for (const char *bad : {"", "-", "$", "1 ", " 1", "12a", "2147483648", "--1", "1e3"})
            QVERIFY2(!parseInteger(bad), bad);
    }
};

QTEST_GUILESS_MAIN(TestOutputSettings)
#include "tst_outputsettings.moc"
