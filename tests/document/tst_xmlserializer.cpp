#include "document/base64.h"
#include "document/conversion.h"
#include "document/crosswordcollection.h"
#include "document/econverterror.h"
#include "document/xmlexception.h"
#include "document/xmlproperty.h"
#include "document/xmltext.h"
#include "support/goldendocument.h"

#include <QElapsedTimer>
#include <QTest>

#include <random>

using namespace gs;

namespace {

// Kinds of property the document does not use, and a collection with a property of its own.
class TSampleCollectionItem : public TXMLCollectionItem
{
public:
    static constexpr std::string_view ClassName = "TSampleCollectionItem";
    std::string_view className() const override { return ClassName; }
    const TXMLPropertyList &properties() const override
    {
        using C = TSampleCollectionItem;
        static const TXMLPropertyList list = XMLPropertyList({
                TXMLProperty::color<C>("Color", &C::m_color),
                TXMLProperty::xmlString<C>("Raw", &C::m_raw),
                TXMLProperty::mimeString<C>("Mime", &C::m_mime),
        });
        return list;
    }

    int m_color = 0;
    std::string m_raw;
    std::string m_mime;
};

class TSampleCollection : public TXMLCollectionOf<TSampleCollectionItem>
{
public:
    static constexpr std::string_view ClassName = "TSampleCollection";
    std::string_view className() const override { return ClassName; }
    const TXMLPropertyList &properties() const override
    {
        static const TXMLPropertyList list = XMLPropertyList(
                {TXMLProperty::string<TSampleCollection>("Title", &TSampleCollection::m_title)});
        return list;
    }

    std::string m_title;
};

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
                {"&#X41;", "&#X41;"},
                {"&#x41X", "A"},    // the sixth character is consumed whatever it is
                {"&#x41", "&#x41"}, // too short to be a reference
                {"a&#x0D;&#x0A;b", "a\r\nb"},
                {"\t &#x20;x y&#x0D;&#x0A; ", "x y"},
                {"&#x4&#x31;;", "A"}, // scanned backwards: the decoded "1" completes "&#x41;"
                {"&#x26;#x41;", "&#x41;"},
                {"<![CDATA[ <a> &#x41; ]]>", " <a> &#x41; "},
                {"<![cdata[xy]]>", "xy"},
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
                {"$1F", 31},
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

    void coloursRawXmlBase64AndPropertyOrder()
    {
        QCOMPARE(Base64Encode("Man"), std::string("TWFu"));
        QCOMPARE(Base64Encode("Ma"), std::string("TWE="));
        QCOMPARE(Base64Encode("M"), std::string("TQ=="));
        QCOMPARE(Base64Decode("TWE"), std::string("Ma"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, Base64Decode("TW!u"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, Base64Decode("TWFuT"));

        TSampleCollection samples;
        samples.m_title = "Farben";
        TSampleCollectionItem &sample = samples.Add();
        sample.m_color = 0x00332211; // red 11, green 22, blue 33
        sample.m_raw = " <b>fett</b> ";
        sample.m_mime = std::string("\0\xE4\xFF<", 4);
        const std::string text = samples.XMLDocument();
        QCOMPARE(text,
                 "<Sample-list><Title>Farben</Title>\r\n<Sample><Color>$112233</Color>\r\n<Mime>"
                         + Base64Encode(sample.m_mime)
                         + "</Mime>\r\n<Raw> <b>fett</b> </Raw>\r\n</Sample>\r\n</Sample-list>");

        TSampleCollection copy;
        copy.LoadXMLDocument(text);
        QCOMPARE(copy.XMLDocument(), text);
        QCOMPARE(copy.Items(0).m_mime, sample.m_mime);

        copy.Items(0).SetXML("<Color>0xAABBCC</Color>");
        QCOMPARE(copy.Items(0).m_color, 0x00CCBBAA);

        using C = TSampleCollectionItem;
        TXMLPropertyList list;
        for (const char *name : {"a_", "AZ", "Ab1", "ab", "a"})
            list.push_back(TXMLProperty::color<C>(name, &C::m_color));
        QStringList order;
        for (const TXMLProperty &property : XMLPropertyList(list))
            order << QString::fromLatin1(property.name());
        // '_' sorts after 'Z' once bit 5 is cleared; a name comes before its extensions.
        QCOMPARE(order, QStringList({"a", "ab", "Ab1", "AZ", "a_"}));
    }

    void nestsTheMessageOfABadSolutionNumber()
    {
        std::string text = WorkedExample;
        text[text.rfind("<SolutionNumber>0") + 16] = 'x'; // in the second field
        TCrossWordCollection document;
        QCOMPARE(ErrorOf([&] { document.LoadXMLDocument(text); }),
                 std::string("(('x' ist kein g\xFCltiger Integerwert)Error Processing XML - "
                             "SolutionNumber)Error with property - Board"));
        // What was read before the failure stays.
        QCOMPARE(document.Count(), 1);
        QCOMPARE(document.Items(0).Board().Count(), 6);
        QVERIFY(document.Items(0).Board().Items(0).Field() == GoldenUmlaut);
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

        // A tag without its own closing tag ends the object.
        for (const char *stopper : {"<Infos/>",
                                    "<Infos a=\"1\">x</Infos>",
                                    "<!-- Notiz -->",
                                    "</Foo>",
                                    "<Infos>x</INFOS>"}) {
            const auto stopped = ItemFrom(std::string("<FieldSize>31</FieldSize>") + stopper
                                          + "<BorderWidth>3</BorderWidth>");
            QCOMPARE(stopped->FieldSize(), 31);
            QCOMPARE(stopped->BorderWidth(), 0);
            QCOMPARE(stopped->Infos(), std::string());
        }

        // The root element is found behind declarations and other elements.
        const std::string body = "<CrossWord><FieldSize>27</FieldSize></CrossWord>";
        for (const std::string &prefix :
             {std::string("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"),
              std::string("<!DOCTYPE CrossWord-list [ <!ENTITY a \"b\"> ]>"),
              std::string("<Other><x>1</x></Other>\r\n")}) {
            TCrossWordCollection document;
            document.LoadXMLDocument(prefix + "<CrossWord-list>" + body + "</CrossWord-list>");
            QCOMPARE(document.Count(), 1);
            QCOMPARE(document.Items(0).FieldSize(), 27);
        }

        TCrossWordCollection document;
        document.LoadXMLDocument("<crossword-list>" + body + "</crossword-list>");
        QCOMPARE(document.Count(), 1);
        document.LoadXMLDocument("<Puzzle>" + body + "</Puzzle>");
        QCOMPARE(document.Count(), 0);
    }

    void handlesEmptyAndBlankValuesAsStored()
    {
        TCrossWordCollection document;
        TCrossWordCollectionItem &item = document.Add();
        item.Board().Add().SetField({" "});
        item.Numbers().Add().SetNumber({2, 3, 4, "\r\n Zeile 1\r\nZeile 2 \r\n", false});
        const std::string text = document.XMLDocument();
        QVERIFY(text.find("\r\n<Numbers><Number>") != std::string::npos);

        item.Numbers().Clear();
        QVERIFY(document.XMLDocument().find("\r\n<Numbers></Numbers>\r\n") != std::string::npos);

        TCrossWordCollection copy;
        copy.LoadXMLDocument(text);
        const TCrossWordCollectionItem &read = copy.Items(0);
        QCOMPARE(read.Board().Items(0).Field().Letter, std::string()); // a blank is trimmed away
        QCOMPARE(read.Numbers().Items(0).Number().Text, std::string("Zeile 1\r\nZeile 2"));

        // Empty elements leave values as they are, also the items of a collection.
        TCrossWordCollectionItem kept;
        kept.SetInfos("Titel");
        kept.Numbers().Add();
        kept.SetXML("<Infos></Infos><Numbers></Numbers>");
        QCOMPARE(kept.Infos(), std::string("Titel"));
        QCOMPARE(kept.Numbers().Count(), 1);
        kept.SetXML("<Numbers>\r\n</Numbers>");
        QCOMPARE(kept.Numbers().Count(), 0);
    }

    void roundTripsSeveralItems()
    {
        std::string allBytes;
        for (int code = 1; code < 256; ++code)
            allBytes += static_cast<char>(code);
        TCrossWordCollection document;
        TCrossWordCollectionItem &item = document.Add();
        const char *letters[] = {"A", "\xDF", "-", "", "\xD6", "Z"};
        for (int i = 0; i < 6; ++i)
            item.Board().Add().SetField(
                    {letters[i], i > 3, i % 2 == 0, i == 1, i == 4, i * 7 - 3, i == 2});
        item.Numbers().Add().SetNumber({1, 1, 1, "x" + allBytes + "x", true});
        item.Numbers().Add().SetNumber({2, -1, 2147483647, "<Number></Number>", false});
        item.Numbers().Add().SetNumber({-2147483647 - 1, 3, 0, "&#x41;", true});
        item.SetInfos("Titel|\xE4\r\nFarbe=#FF0000");
        item.SetStartFieldCol(-1);
        item.SetEndFieldRow(40);
        item.SetNumbersInside(true);
        const std::string text = document.XMLDocument();

        TCrossWordCollection copy;
        copy.LoadXMLDocument(text);
        QCOMPARE(copy.XMLDocument(), text);
        const TCrossWordCollectionItem &read = copy.Items(0);
        QCOMPARE(read.Board().Count(), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY(read.Board().Items(i).Field() == item.Board().Items(i).Field());
        QCOMPARE(read.Numbers().Count(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY(read.Numbers().Items(i).Number() == item.Numbers().Items(i).Number());
    }

    void findsPatterns()
    {
        // Against the standard library's search, with patterns of the characters that matter.
        std::mt19937 random(7);
        const auto randomText = [&random](std::size_t length) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i)
                text += "ab</>"[random() % 5];
            return text;
        };
        for (int round = 0; round < 2000; ++round) {
            const std::string text = randomText(random() % 40);
            const std::string pattern = randomText(1 + random() % 4);
            for (std::size_t start = 0; start <= text.size() + 1; ++start) {
                const std::size_t expected
                        = start <= text.size() ? text.find(pattern, start) : npos;
                QCOMPARE(FindFrom(text, pattern, start), expected);
            }
        }
        const std::string longPattern = "<" + std::string(300, 'a') + ">";
        const std::string haystack = std::string(500, 'a') + ">" + longPattern + "<";
        QCOMPARE(FindFrom(haystack, longPattern, 0), std::size_t(501));
        QCOMPARE(FindFrom(haystack, "", 0), npos);
    }

    void survivesHostileInput()
    {
        const std::string open = "<CrossWord-list><CrossWord>";
        const std::string close = "</CrossWord></CrossWord-list>";
        const std::string megabyteOfLess(1 << 20, '<');
        const std::string inputs[] = {
                megabyteOfLess,
                std::string(1 << 20, '>'),
                Repeated("<>", 1 << 19),
                open + megabyteOfLess,
                open + "<",
                open + "<Board><Board><Letter>A",
                open + Repeated("<Board>", 100000) + Repeated("</Board>", 100000) + close,
                open + Repeated("<Numbers>", 100000) + close,
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

        // Every truncation and many random damages of a valid document: messages, never crashes.
        const std::string valid = WorkedExample;
        for (std::size_t length = 0; length <= valid.size(); ++length)
            LoadMessage(valid.substr(0, length));
        std::mt19937 random(2024);
        for (int round = 0; round < 3000; ++round) {
            std::string damaged = valid;
            for (int edit = 0; edit < 4; ++edit) {
                const std::size_t at = random() % damaged.size();
                const char byte = "<>/&#x;$-0aB\r "[random() % 14];
                damaged.replace(at, random() % 2, random() % 2, byte); // change, insert or erase
            }
            LoadMessage(damaged);
        }
    }
};

QTEST_GUILESS_MAIN(TestXmlSerializer)
#include "tst_xmlserializer.moc"
