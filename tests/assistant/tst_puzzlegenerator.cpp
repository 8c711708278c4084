#include "assistant/layoutsearch.h"
#include "assistant/puzzlegenerator.h"
#include "assistant/wordlist.h"
#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/puzzle.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using namespace gs;
using Entries = std::vector<GeneratorEntry>;

// The puzzle generator: its layouts checked against the rules of a layout on the board, its
// repeatability and its word lists.
class TestPuzzleGenerator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Random entries over a small alphabet with umlauts and ß, now and then a blank, a hyphen,
    // a repeated word or one of a single letter.
    static Entries randomEntries(SplitMix64 &random)
    {
        static const char letters[] = "AEINRSTLUO\xC4\xD6\xDC\xDF"
                                      "aeb";
        Entries result;
        const int count = 1 + random.below(40);
        for (int i = 0; i < count; ++i) {
            std::string word;
            const int length = 1 + random.below(11);
            for (int k = 0; k < length; ++k)
                word += letters[random.below(int(sizeof letters) - 1)];
            if (random.below(10) == 0)
                word.insert(size_t(random.below(length)), random.below(2) ? " " : "-");
            if (!result.empty() && random.below(15) == 0)
                word = result[size_t(random.below(int(result.size())))].word;
            result.push_back({word, "Definition " + std::to_string(i), i + 1});
        }
        return result;
    }

    // The letters an entry should lay: upper-cased by the code page, no blanks or hyphens.
    static std::string expectedLetters(const std::string &word)
    {
        std::string letters = upperCase(word);
        std::erase_if(letters, [](char c) { return c == ' ' || c == '-'; });
        return letters;
    }

    // Applies the layout and checks the board against the rules; returns the first breach.
    static QString breach(const Entries &list, const GeneratedLayout &layout, int cols, int rows)
    {
        applyGeneratedLayout(layout, list);
        // Every run of two or more letters, with its first field and direction.
        std::map<std::tuple<int, int, bool>, std::string> runs;
        std::set<std::pair<int, int>> fields;
        for (int c = 1; c <= BoardCols(); ++c) {
            for (int r = 1; r <= BoardRows(); ++r) {
                if (GetLetter({c, r}).empty())
                    continue;
                fields.insert({c, r});
                for (const bool across : {true, false}) {
                    if (!GetLetter(letterPosition({c, r}, across, -1)).empty())
                        continue;
                    const std::string run = ReadWord(MakeClueNumber(c, r, "", across));
                    if (run.size() >= 2)
                        runs[{c, r, across}] = run;
                }
            }
        }
        if (runs.size() != layout.words.size())
            return QStringLiteral("%1 runs for %2 words").arg(runs.size()).arg(layout.words.size());
        std::set<int> placed;
        for (const GeneratedWord &word : layout.words) {
            const std::string letters = expectedLetters(list[size_t(word.entry)].word);
            if (runs[{word.col, word.row, word.across}] != letters || word.letters != letters)
                return QStringLiteral("entry %1 not on the board as laid").arg(word.entry);
            if (!placed.insert(word.entry).second)
                return QStringLiteral("entry %1 laid twice").arg(word.entry);
        }
        if (fields.empty())
            return layout.cols == 0 ? QString() : QStringLiteral("box without letters");
        // One piece, inside the box, column 1 and row 1 free.
        std::set<std::pair<int, int>> reached;
        std::vector<std::pair<int, int>> stack{*fields.begin()};
        while (!stack.empty()) {
            const auto [c, r] = stack.back();
            stack.pop_back();
            if (!fields.count({c, r}) || !reached.insert({c, r}).second)
                continue;
            stack.insert(stack.end(), {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}});
        }
        if (reached.size() != fields.size())
            return QStringLiteral("more than one piece");
        int right = 0;
        int bottom = 0;
        for (const auto &[c, r] : fields) {
            if (c < 2 || r < 2)
                return QStringLiteral("letter in column 1 or row 1");
            right = std::max(right, c);
            bottom = std::max(bottom, r);
        }
        if (right - 1 != layout.cols || bottom - 1 != layout.rows || layout.cols > cols
            || layout.rows > rows || layout.cols > 49 || layout.rows > 39)
            return QStringLiteral("box %1 x %2").arg(right - 1).arg(bottom - 1);
        // A number with its definition at every word start, and no other number.
        std::map<std::tuple<int, int, bool>, std::string> numbers;
        for (const TClueNumber &n : Puzzle.Numbers)
            numbers[{n.Col, n.Row, n.Hor}] = n.Text;
        for (const GeneratedWord &word : layout.words) {
            const auto number = numbers.find({word.col, word.row, word.across});
            if (number == numbers.end() || number->second != list[size_t(word.entry)].definition
                || Puzzle.Numbers.size() != layout.words.size())
                return QStringLiteral("no number for entry %1").arg(word.entry);
        }
        // Numbers drawn outside (left of across, above down words) never share a field.
        for (const TClueNumber &a : Puzzle.Numbers)
            for (const TClueNumber &b : Puzzle.Numbers)
                if (a.Hor && !b.Hor && b.Col == a.Col - 1 && b.Row == a.Row + 1)
                    return QStringLiteral("numbers %1 and %2 on one field").arg(a.Num).arg(b.Num);
        // Every entry either laid or left out for its reason.
        std::set<std::string> seen;
        for (int i = 0; i < int(list.size()); ++i) {
            const std::string letters = expectedLetters(list[size_t(i)].word);
            const GeneratorSkip reason = letters.size() < 2             ? GeneratorSkip::TooShort
                                         : !seen.insert(letters).second ? GeneratorSkip::Duplicate
                                                                        : GeneratorSkip::NoRoom;
            const auto skipped = std::find_if(layout.skipped.begin(),
                                              layout.skipped.end(),
                                              [&](const SkippedEntry &s) { return s.entry == i; });
            const bool left = skipped != layout.skipped.end();
            if (left == bool(placed.count(i)) || (left && skipped->reason != reason)
                || (!left && reason != GeneratorSkip::NoRoom))
                return QStringLiteral("entry %1 neither laid nor left out rightly").arg(i);
        }
        return QString();
    }

    // Reads a file of the given bytes as the dialog's "Laden…" does; the error on failure.
    QString load(const QByteArray &bytes, Entries &list)
    {
        const QString name = m_dir.filePath(QStringLiteral("liste.txt"));
        writeFileBytes(name, bytes);
        QString text;
        QString error;
        if (readWordListText(name, text, error) && readGeneratorEntries(text, list, error))
            return QString();
        return error;
    }

private slots:
    void randomListsFollowTheRules()
    {
        SplitMix64 random(2026);
        for (int i = 0; i < 250; ++i) {
            const Entries list = randomEntries(random);
            GeneratorOptions options;
            options.seed = random.next();
            options.maxCols = 3 + random.below(50);
            options.maxRows = 3 + random.below(40);
            options.budgetMs = 20;
            const GeneratedLayout layout = generatePuzzle(list, options);
            const QString fault = breach(list, layout, options.maxCols, options.maxRows);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("list %1: %2").arg(i).arg(fault)));
        }
    }

    void nounsFitSquarelyAndRepeatably()
    {
        Entries list;
        QVERIFY(load(readFileBytes(QStringLiteral(GS_NOUNS)), list).isEmpty());
        QCOMPARE(list.size(), size_t(30));
        GeneratorOptions options;
        options.budgetMs = 60000;
        const GeneratedLayout layout = generatePuzzle(list, options);
        QCOMPARE(layout.words.size(), size_t(30));
        QVERIFY(layout.cols <= 20 && layout.rows <= 20);
        QVERIFY(breach(list, layout, 49, 39).isEmpty());
        // The same seed lays the same; progress reaches its end.
        int percent = 0;
        const GeneratedLayout again
                = generatePuzzle(list, options, nullptr, [&](int p) { percent = p; });
        QCOMPARE(percent, 100);
        QCOMPARE(again.cols, layout.cols);
        QVERIFY(std::equal(layout.words.begin(),
                           layout.words.end(),
                           again.words.begin(),
                           again.words.end(),
                           [](const GeneratedWord &a, const GeneratedWord &b) {
                               return a.col == b.col && a.row == b.row && a.letters == b.letters;
                           }));
        // Cancelled at once: a sound layout of what was laid so far.
        const std::atomic_bool cancel = true;
        const GeneratedLayout cut = generatePuzzle(list, options, &cancel);
        QVERIFY(!cut.words.empty() && cut.words.size() < 30);
        QVERIFY(breach(list, cut, 49, 39).isEmpty());
    }

    void exchangeBringsOpenWordIn()
    {
        // CGH can only come in down through the C, beside BEF: BEF has to go and finds no
        // other place.
        const std::vector<std::string> words{"ABCD", "BEF", "CGH"};
        LayoutSearch search(words, 4, 4);
        search.restore({{0, 0, 0, true}, {1, 1, 0, false}});
        QVERIFY(search.insert(7, nullptr));
        const std::vector<LaidWord> &laid = search.laid();
        QCOMPARE(laid.size(), size_t(2));
        QVERIFY(std::any_of(laid.begin(), laid.end(), [](const LaidWord &w) {
            return w.word == 2 && w.x == 2 && w.y == 0 && !w.across;
        }));
        QVERIFY(std::none_of(
                laid.begin(), laid.end(), [](const LaidWord &w) { return w.word == 1; }));
        QCOMPARE(search.crossings(), 1);
    }

    void takingOutAWordKeepsTheRestApart()
    {
        // MNB and CRS cross ABCDEFGHI on neighbouring fields and hang together through the
        // others; ZZZZZZW can only come in across its place, ABCDEFGHI has to go and B and C
        // must not stay side by side.
        const std::vector<std::string> words{
                "ABCDEFGHI", "MNB", "CRS", "MEIOTAEIOU", "UVWXY", "SKLMNPQRY", "ZZZZZZW"};
        LayoutSearch search(words, 13, 6);
        search.restore({{0, 1, 2, true},
                        {1, 2, 0, false},
                        {2, 3, 2, false},
                        {3, 2, 0, true},
                        {4, 11, 0, false},
                        {5, 3, 4, true}});
        QVERIFY(search.insert(1, nullptr));
        std::set<std::pair<int, int>> fields;
        for (const LaidWord &w : search.laid())
            for (int i = 0; i < int(words[size_t(w.word)].size()); ++i)
                fields.insert({w.across ? w.x + i : w.x, w.across ? w.y : w.y + i});
        size_t runs = 0;
        for (const auto &[x, y] : fields)
            runs += size_t(!fields.count({x - 1, y}) && fields.count({x + 1, y}))
                    + size_t(!fields.count({x, y - 1}) && fields.count({x, y + 1}));
        QCOMPARE(runs, search.laid().size());
        QCOMPARE(search.laid().back().word, 6);
    }

    void reportsWhatIsLeftOut()
    {
        Entries list;
        QString error;
        QVERIFY(readGeneratorEntries(
                QStringLiteral("Bäcker;backt\nx\nRotes Kreuz\nbäcker"), list, error));
        GeneratorOptions options;
        options.maxCols = 6;
        options.maxRows = 6;
        const GeneratedLayout layout = generatePuzzle(list, options);
        QCOMPARE(layout.words.size(), size_t(1));
        QCOMPARE(toQString(layout.words[0].letters), QStringLiteral("BÄCKER"));
        QCOMPARE(skippedEntryLines(layout, list),
                 QStringList({QStringLiteral("Zeile 2: X – zu kurz"),
                              QStringLiteral("Zeile 3: ROTES KREUZ – kein Platz"),
                              QStringLiteral("Zeile 4: BÄCKER – doppelt")}));
        QCOMPARE(generatorFigures(layout, 4),
                 QStringLiteral("1 von 4 Wörtern eingebaut · 6 × 1 Felder · 0 Kreuzungen"));
        // Nothing to lay: an empty layout, no hang.
        QVERIFY(readGeneratorEntries(QStringLiteral("a\n-"), list, error));
        QVERIFY(generatePuzzle(list, options).words.empty());
    }

    void readsWordLists()
    {
        Entries list;
        QVERIFY(load("\xEF\xBB\xBF# Tiere\r\n\r\n  Löwe ; König der Tiere \r\nBär\tliebt Honig;"
                     " und Lachs\nFuß\n",
                     list)
                        .isEmpty());
        QCOMPARE(list.size(), size_t(3));
        QVERIFY(list[0].word == "L\xF6we" && list[0].definition == "K\xF6nig der Tiere");
        QCOMPARE(list[0].line, 3);
        QCOMPARE(list[1].definition, "liebt Honig; und Lachs");
        QVERIFY(list[2].word == "Fu\xDF" && list[2].definition.empty() && list[2].line == 5);
        QCOMPARE(load("gut\nsch\xF6n\n", list),
                 QStringLiteral("Zeile 2 der Wortliste liste.txt ist nicht in UTF-8 "
                                "geschrieben; bitte die Liste als UTF-8 speichern."));
        QCOMPARE(load("gut\n# x\nΩmega;Ende\n", list),
                 QStringLiteral("Zeile 3 der Wortliste enthält ein Zeichen, das der Zeichensatz "
                                "Windows-1252 nicht kennt!"));
        QCOMPARE(load("Wort;Ωmega\n", list).left(7), QStringLiteral("Zeile 1"));
        QCOMPARE(load("# nur ein Kommentar\n\n", list),
                 QStringLiteral("Die Liste enthält keine Wörter!"));
        QVERIFY(load(QByteArray("ab\n").repeated(10000), list).isEmpty());
        QString error;
        QVERIFY(!readGeneratorEntries(QStringLiteral("ab\n").repeated(10001), list, error));
        QVERIFY(error.contains(QStringLiteral("zu lang")));
        QVERIFY(!readGeneratorEntries(QString(1100000, QLatin1Char('a')), list, error));
        QVERIFY(error.contains(QStringLiteral("zu lang")));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleGenerator)
#include "tst_puzzlegenerator.moc"
