#include "core/cp1252.h"

#include <QTest>

using namespace gs;

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesARoundTrip()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = toQString(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(fromQString(text), all);
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(text.at(0xE4), QChar(0x00E4)); // ä
        QCOMPARE(text.at(0x9F), QChar(0x0178)); // Ÿ
    }

    void unicodeOutsideTheCodePageIsRefused()
    {
        QVERIFY(!charFromUnicode(0x0100).has_value());
        QVERIFY(!charFromUnicode(0x4E2D).has_value());
        QCOMPARE(charFromUnicode(0x20AC).value(), '\x80');
        QCOMPARE(fromQString(QStringLiteral("a\u4E2Db")), std::string("a?b"));
    }

    void upperCasingFollowsTheCodePage()
    {
        QCOMPARE(upperCase("haus"), std::string("HAUS"));
        QCOMPARE(upperCase("\xE4\xF6\xFC"), std::string("\xC4\xD6\xDC")); // äöü
        QCOMPARE(upperCase("\xDF"), std::string("\xDF"));                 // ß stays
        QCOMPARE(upperCase("\xF7\xB5"), std::string("\xF7\xB5"));         // ÷ and µ stay
        QCOMPARE(upperCase("\x9A\xFF"), std::string("\x8A\x9F"));         // š ÿ
        QCOMPARE(upperCase("{1-}"), std::string("{1-}"));
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
