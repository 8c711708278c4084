#include "document/conversion.h"
#include "document/crosswordcollection.h"
#include "document/econverterror.h"
#include "document/xmlexception.h"
#include "document/xmltext.h"
#include "support/goldendocument.h"

#include <QElapsedTimer>
#include <QTest>

using namespace gs;

namespace {

// The golden document as the serializer writes it: without the break after its last line.
const std::string WorkedExample(GoldenDocumentText.substr(0, GoldenDocumentText.size() - 2));

std::string Repeated(std::string_view part, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += part;
    return text;
}

// The message of the E that f raises, or "" if it raises none.
template<typename E = EXMLException, typename F>
std::string ErrorOf(F f)
{
    try {
        f();
    } catch (const E &error) {
        return error.message();
    }
    return {};
}

std::string LoadMessage(std::string_view text)
{
    TCrossWordCollection document;
    return ErrorOf([&] { document.LoadXMLDocument(text); });
}

// A fresh document's item read from the content of one CrossWord element.
std::unique_ptr<TCrossWordCollectionItem> ItemFrom(std::string_view content)
{
    auto item = std::make_unique<TCrossWordCollectionItem>();
    item->SetXML(content);
    return item;
}

} // namespace

class TestXmlSerializer : public QObject
{
    Q_OBJECT

private slots:
    void readsAndWritesTheGoldenDocument()
    {
        TCrossWordCollection document;
        document.LoadXMLDocument(WorkedExample);
        QCOMPARE(document.XMLDocument(), WorkedExample);
        const TCrossWordCollectionItem &item = document.Items(0);
        QVERIFY(item.Board().Items(0).Field() == GoldenUmlaut);
        QVERIFY(item.Board().Items(5).Field() == GoldenBlock);
        QVERIFY(item.Numbers().Items(0).Number() == TClueNumber({1, 1, 1, "Fluss & See", true}));
        QCOMPARE(item.ProgVersion(), std::string("2.0 (BETA 1.2)"));

        // A bad value nests its message; what was read before the failure stays.
        std::string text = WorkedExample;
        text[text.rfind("<SolutionNumber>0") + 16] = 'x'; // in the second field
        TCrossWordCollection damaged;
        QCOMPARE(ErrorOf([&] { damaged.LoadXMLDocument(text); }),
                 std::string("(('x' ist kein g\xFCltiger Integerwert)Error Processing XML - "
                             "SolutionNumber)Error with property - Board"));
        QCOMPARE(damaged.Count(), 1);
        QCOMPARE(damaged.Items(0).Board().Count(), 6);
        QVERIFY(damaged.Items(0).Board().Items(0).Field() == GoldenUmlaut);
    }

    void escapesAndUnescapesText()
    {
        const std::string_view kept
                = " !,-./0123456789:;=ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]_abcdefghijklmnopqrstuvwxyz";
        for (int code = 0; code < 256; ++code) {
            const std::string byte(1, static_cast<char>(code));
            const std::string encoded = EncodeXMLText(byte);
            if (kept.find(byte) != std::string_view::npos) {
                QCOMPARE(encoded, byte);
            } else {
                QCOMPARE(encoded.size(), std::size_t(6));
                QCOMPARE(DecodeXMLText("a" + encoded + "a"), "a" + byte + "a");
            }
        }
        QCOMPARE(EncodeXMLText("\xE4&(\r\n"), std::string("&#xE4;&#x26;&#x28;&#x0D;&#x0A;"));

        // Decoding follows the format's own rules.
        const std::pair<std::string, std::string> cases[] = {
                {"&amp; &lt; &#65;", "&amp; &lt; &#65;"},
                {"&#x41X", "A"},    // the sixth character is consumed whatever it is
                {"&#x41", "&#x41"}, // too short to be a reference
                {"\t &#x20;x y&#x0D;&#x0A; ", "x y"},
                {"&#x4&#x31;;", "A"}, // scanned backwards: the decoded "1" completes "&#x41;"
                {"&#x26;#x41;", "&#x41;"},
                {"<![CDATA[ <a> &#x41; ]]>", " <a> &#x41; "},
                {"<![CDATA[x", ""},
        };
        for (const auto &[text, value] : cases)
            QCOMPARE(DecodeXMLText(text), value);
        QCOMPARE(ErrorOf<EConvertError>([] { DecodeXMLText("a&#xZZ;"); }),
                 std::string("'&#xZZ;' ist kein g\xFCltiger Integerwert"));
    }

    void convertsIntegersAndBooleans()
    {
        const std::pair<std::string, int> numbers[] = {
                {"42", 42},
                {"-7", -7},
                {"+3", 3},
                {"0x1f", 31},
                {"X10", 16},
                {"-$10", -16},
                {"2147483647", 2147483647},
                {"-2147483648", -2147483647 - 1},
        };
        for (const auto &[text, value] : numbers)
            QCOMPARE(StrToInt(text), value);
        const QString bad
                = "|x|12a|1 2|$|0x|--1|2147483648|-2147483649|$80000000|99999999999999999999";
        for (const QString &text : bad.split('|'))
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(text.toStdString()));

        TBoardCollectionItem field;
        field.SetXML(
                "<Block>TRUE</Block><BorderTop>true</BorderTop><BorderLeft> True </BorderLeft>");
        QVERIFY(field.Field().Block && field.Field().BorderTop && field.Field().BorderLeft);
        field.SetXML("<Block>fAlSe</Block>");
        QVERIFY(!field.Field().Block);
        QCOMPARE(ErrorOf([&] { field.SetXML("<Block>ja</Block>"); }),
                 std::string("('ja' ist kein g\xFCltiger Boolescher Wert)Error Processing XML - "
                             "Block"));
    }

    void readsLeniently()
    {
        const auto item = ItemFrom("<Foo>1</Foo>\r\n<fieldsize>44</fieldsize><BORDERWIDTH>3"
                                   "</BORDERWIDTH>junk<board><board><Letter>Q</Letter></board>"
                                   "<Board><Letter>R</Letter></Board></board>"
                                   "<Numbers><number><Num>5</Num></number>"
                                   "<Number><num>6</num></Number></Numbers>");
        QCOMPARE(item->FieldSize(), 44);
        QCOMPARE(item->BorderWidth(), 3);
        QCOMPARE(item->Board().Count(), 1);
        QCOMPARE(item->Board().Items(0).Field().Letter, std::string("R"));
        QCOMPARE(item->Numbers().Count(), 1);
        QCOMPARE(item->Numbers().Items(0).Number().Num, 6);
    }

    void survivesHostileInput()
    {
        const std::string open = "<CrossWord-list><CrossWord>";
        const std::string close = "</CrossWord></CrossWord-list>";
        const std::string megabyteOfLess(1 << 20, '<');
        const std::string inputs[] = {
                megabyteOfLess,
                Repeated("<>", 1 << 19),
                open + megabyteOfLess,
                open + "<Board><Board><Letter>A",
                open + Repeated("<Board>", 100000) + Repeated("</Board>", 100000) + close,
                open + Repeated("<a>", 100000) + Repeated("</a>", 99999) + close,
                open + "<" + std::string(1 << 20, 'a') + ">" + close,
                "<CrossWord-list>" + Repeated("<CrossWord></CrossWord>", 20000)
                        + "</CrossWord-list>",
        };
        for (const std::string &input : inputs) {
            QElapsedTimer timer;
            timer.start();
            QCOMPARE(LoadMessage(input), std::string());
            QVERIFY2(timer.elapsed() < 3000, std::to_string(timer.elapsed()).c_str());
        }

        const std::string hugeNumber = std::string(100000, '9');
        QCOMPARE(LoadMessage(open + "<FieldSize>" + hugeNumber + "</FieldSize>" + close),
                 "('" + hugeNumber
                         + "' ist kein g\xFCltiger Integerwert)Error Processing XML - "
                           "FieldSize");

        QCOMPARE(LoadMessage(open + "<Infos>" + Repeated("&#x", 300000) + "</Infos>" + close),
                 std::string("('&#x&#;' ist kein g\xFCltiger Integerwert)Error Processing XML - "
                             "Infos"));

        TCrossWordCollection items;
        items.LoadXMLDocument(open + "<Board>" + Repeated("<Board></Board>", MaxBoardItems + 1)
                              + "</Board>" + close);
        QCOMPARE(items.Items(0).Board().Count(), MaxBoardItems);
        QVERIFY(items.Items(0).Board().overflowed());
    }
};

QTEST_GUILESS_MAIN(TestXmlSerializer)
#include "tst_xmlserializer.moc"
