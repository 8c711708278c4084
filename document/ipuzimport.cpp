#include "document/ipuzimport.h"

#include "core/cp1252.h"
#include "core/grownfield.h"
#include "core/numbering.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/documentview.h"
#include "document/ipuzexport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

namespace gs {

namespace {

const QByteArray Utf8Mark("\xEF\xBB\xBF");

// A whole number, written as a number or as a text of digits.
std::optional<int> wholeNumber(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number == std::floor(number) && number >= INT_MIN && number <= INT_MAX)
            return int(number);
    } else if (value.isString()) {
        bool ok = false;
        const int number = value.toString().trimmed().toInt(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

// Larger clue numbers are taken for no number: the puzzle numbers them in order.
constexpr int MaxClueNumber = 100000;

std::optional<int> clueNumber(const QJsonValue &value)
{
    const std::optional<int> number = wholeNumber(value);
    if (number && *number >= 1 && *number <= MaxClueNumber)
        return number;
    return std::nullopt;
}

// A label as a cell shows it: a whole number in digits, a text as it stands.
QString labelText(const QJsonValue &value)
{
    const std::optional<int> number = value.isDouble() ? wholeNumber(value) : std::nullopt;
    return number ? QString::number(*number) : value.toString().trimmed();
}

// Named entities that clue texts use; any other stays as written.
struct Entity
{
    const char *name;
    char16_t code;
};
constexpr Entity Entities[] = {
        {"amp", u'&'},     {"lt", u'<'},       {"gt", u'>'},      {"quot", u'"'},
        {"apos", u'\''},   {"nbsp", 0xA0},     {"auml", 0xE4},    {"ouml", 0xF6},
        {"uuml", 0xFC},    {"Auml", 0xC4},     {"Ouml", 0xD6},    {"Uuml", 0xDC},
        {"szlig", 0xDF},   {"eacute", 0xE9},   {"egrave", 0xE8},  {"ndash", 0x2013},
        {"mdash", 0x2014}, {"hellip", 0x2026}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
        {"ldquo", 0x201C}, {"rdquo", 0x201D},  {"bdquo", 0x201E}, {"laquo", 0xAB},
        {"raquo", 0xBB},
};

// The character of an entity's name ("amp", "#228", "#xE4"); nothing when it names none.
std::optional<char32_t> entity(QStringView name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex = name.size() > 1
                         && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
        bool ok = false;
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    for (const Entity &known : Entities) {
        if (name == QLatin1String(known.name))
            return known.code;
    }
    return std::nullopt;
}

// An HTML text as plain text: tags removed (a line break becomes a blank), entities decoded.
QString plainText(const QString &html)
{
    QString text;
    // Once no '>' follows, no later '<' opens a tag either; looking again would take time
    // growing with the square of the text.
    bool tagsLeft = true;
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html.at(i);
        const QChar next = i + 1 < html.size() ? html.at(i + 1) : QChar();
        if (c == QLatin1Char('<') && tagsLeft
            && (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!'))) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), i);
            tagsLeft = end > 0;
            if (tagsLeft) {
                const QString tag = html.mid(i + 1, end - i - 1).trimmed().toLower();
                if (tag.startsWith(QLatin1String("br")))
                    text += QLatin1Char(' ');
                i = end + 1;
                continue;
            }
        }
        if (c == QLatin1Char('&')) {
            // Entity names are short: look for the ';' only close by.
            const qsizetype end = QStringView(html).mid(i, 12).indexOf(QLatin1Char(';')) + i;
            if (end > i + 1) {
                if (const auto code = entity(QStringView(html).mid(i + 1, end - i - 1))) {
                    text += QString::fromUcs4(&*code, 1);
                    i = end + 1;
                    continue;
                }
            }
        }
        text += c;
        ++i;
    }
    return text;
}

// One cell of the grid: no field, a block or a white field with its label, style and given
// letter.
struct Cell
{
    enum class Kind { None, Block, White } kind = Kind::None;
    QString label;
    QJsonObject style;
    QJsonValue given;
    // A value of a type no cell has (true, a list): read as no cell.
    bool malformed = false;
};

// A clue as read, before it is placed.
struct Clue
{
    bool hor = true;
    QJsonValue number;
    QString text;
    QJsonArray cells;
};

// Reads one ipuz crossword into a puzzle of its own; the open puzzle is not touched.
class IpuzReader
{
public:
    explicit IpuzReader(const QJsonObject &root)
        : m_root(root)
        , m_block(root.contains(QLatin1String("block")) ? root.value(QLatin1String("block"))
                                                        : QJsonValue(QStringLiteral("#")))
        , m_empty(root.contains(QLatin1String("empty")) ? root.value(QLatin1String("empty"))
                                                        : QJsonValue(0))
    {
        m_puzzle.Infos.clear();
        m_puzzle.NumbersInside = true;
    }

    // False when the file has no grid that can be read at all.
    bool read()
    {
        readPlacement();
        if (!readGrid())
            return false;
        readClues();
        readExtension();
        return true;
    }

    TCrossWordPuzzle &puzzle() { return m_puzzle; }
    bool valid() const { return m_valid; }
    int replaced() const { return m_replaced; }

private:
    // Our own field, when the file has one, and where the grid's first cell lies on the board:
    // as that field says, else (1, 1).
    void readPlacement()
    {
        const QJsonValue value = m_root.value(QLatin1String(IpuzExtensionKey));
        if (!value.isUndefined() && !value.isObject())
            m_valid = false;
        m_extension = value.toObject();
        if (m_extension.isEmpty())
            return;
        const auto left = wholeNumber(m_extension.value(QLatin1String("left")));
        const auto top = wholeNumber(m_extension.value(QLatin1String("top")));
        if (!left || !top || !IsInEditingArea(TPoint{*left, *top})) {
            m_valid = false;
            return;
        }
        m_left = *left;
        m_top = *top;
        m_ours = true;
    }

    // The board position of the grid's cell in column x and row y (from 0).
    TPoint position(qsizetype x, qsizetype y) const
    {
        return TPoint{int(std::clamp<qsizetype>(x, -1, MaxCols + 1)) + m_left,
                      int(std::clamp<qsizetype>(y, -1, MaxRows + 1)) + m_top};
    }

    QJsonValue gridValue(const QJsonArray &grid, qsizetype x, qsizetype y) const
    {
        if (y < 0 || y >= grid.size() || x < 0)
            return QJsonValue::Undefined;
        const QJsonArray row = grid.at(y).toArray();
        return x < row.size() ? row.at(x) : QJsonValue::Undefined;
    }

    Cell cellAt(qsizetype x, qsizetype y) const
    {
        const QJsonValue value = gridValue(m_grid, x, y);
        Cell cell;
        QJsonValue base = value;
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            base = object.value(QLatin1String("cell"));
            if (base.isUndefined())
                base = m_empty;
            const QJsonValue style = object.value(QLatin1String("style"));
            cell.style = style.isString() ? m_root.value(QLatin1String("styles"))
                                                    .toObject()
                                                    .value(style.toString())
                                                    .toObject()
                                          : style.toObject();
            cell.given = object.value(QLatin1String("value"));
        }
        if (base.isNull() || base.isUndefined())
            return cell;
        if (base == m_block) {
            cell.kind = Cell::Kind::Block;
        } else if (base == m_empty || base.isDouble() || base.isString()) {
            cell.kind = Cell::Kind::White;
            if (base != m_empty && base != QJsonValue(0) && base != QJsonValue(QString()))
                cell.label = labelText(base);
        }
        cell.malformed = cell.kind == Cell::Kind::None;
        return cell;
    }

    // The letter of a field: one character Windows-1252 can hold, upper-cased by it.
    std::string letter(const QJsonValue &value)
    {
        QJsonValue text = value.isObject() ? value.toObject().value(QLatin1String("value")) : value;
        if (!text.isString() || text == m_block)
            return "-";
        const QList<uint> characters
                = text.toString().normalized(QString::NormalizationForm_C).toUcs4();
        if (characters.isEmpty()
            || (characters.size() == 1 && (characters.front() == ' ' || characters.front() == '-')))
            return "-";
        const std::optional<char> c
                = characters.size() == 1 ? charFromUnicode(characters.front()) : std::nullopt;
        if (!c || static_cast<unsigned char>(*c) < 0x20) {
            m_valid = false;
            return "-";
        }
        return std::string(1, upperChar(*c));
    }

    void applyStyle(TBoardField &field, const QJsonObject &style)
    {
        const QJsonValue barred = style.value(QLatin1String("barred"));
        if (!barred.isUndefined() && !barred.isString())
            m_valid = false;
        for (const QChar side : barred.toString().toUpper()) {
            field.BorderTop = field.BorderTop || side == QLatin1Char('T');
            field.BorderRight = field.BorderRight || side == QLatin1Char('R');
            field.BorderBottom = field.BorderBottom || side == QLatin1Char('B');
            field.BorderLeft = field.BorderLeft || side == QLatin1Char('L');
        }
        if (style.value(QLatin1String("shapebg")).toString() != QLatin1String("circle"))
            return;
        const QJsonObject mark = style.value(QLatin1String("mark")).toObject();
        for (const char *corner : {"BR", "BL", "TR", "TL"}) {
            const std::optional<int> number = wholeNumber(mark.value(QLatin1String(corner)));
            if (!number)
                continue;
            if (*number < 1 || *number > MaxSolutionNumber)
                m_valid = false;
            else
                field.SolutionNumber = *number;
            return;
        }
    }

    bool readGrid()
    {
        const QJsonObject dimensions = m_root.value(QLatin1String("dimensions")).toObject();
        const auto width = wholeNumber(dimensions.value(QLatin1String("width")));
        const auto height = wholeNumber(dimensions.value(QLatin1String("height")));
        const QJsonValue grid = m_root.value(QLatin1String("puzzle"));
        if (!width || !height || *width < 1 || *height < 1 || !grid.isArray())
            return false;
        m_grid = grid.toArray();
        const QJsonValue solution = m_root.value(QLatin1String("solution"));
        if (!solution.isUndefined() && !solution.isNull() && !solution.isArray())
            m_valid = false;
        const QJsonArray solutions = solution.toArray();
        if (m_grid.size() != *height)
            m_valid = false;
        for (qsizetype y = 0; y < m_grid.size(); ++y) {
            const QJsonValue row = m_grid.at(y);
            const QJsonArray cells = row.toArray();
            if (!row.isArray() || cells.size() != *width)
                m_valid = false;
            for (qsizetype x = 0; x < cells.size(); ++x) {
                const TPoint p = position(x, y);
                if (!IsInEditingArea(p)) {
                    m_valid = m_valid && cells.at(x).isNull();
                    continue;
                }
                const Cell cell = cellAt(x, y);
                m_valid = m_valid && !cell.malformed;
                if (cell.kind == Cell::Kind::None)
                    continue;
                TBoardField &field = GrownField(m_puzzle.Board, p);
                field.Block = cell.kind == Cell::Kind::Block;
                const QJsonValue solved = gridValue(solutions, x, y);
                if (solved.isBool() || solved.isArray()
                    || (solved.isDouble() && solved != m_empty && solved != m_block))
                    m_valid = false;
                field.Letter
                        = field.Block ? std::string(1, '-')
                                      : letter(solved.isString() || solved.isObject() ? solved
                                                                                      : cell.given);
                applyStyle(field, cell.style);
                if (!cell.label.isEmpty())
                    m_labels.try_emplace(cell.label, p);
            }
        }
        return true;
    }

    // Whether every cell the clues list lies on a white cell of the grid when counted from base.
    bool cellsFit(const std::vector<Clue> &clues, int base) const
    {
        for (const Clue &clue : clues) {
            for (const QJsonValue &pair : clue.cells) {
                const std::optional<TPoint> p = point(pair);
                if (!p
                    || cellAt(qsizetype(p->X) - base, qsizetype(p->Y) - base).kind
                               != Cell::Kind::White)
                    return false;
            }
        }
        return true;
    }

    std::vector<Clue> clueList()
    {
        std::vector<Clue> clues;
        const QJsonValue value = m_root.value(QLatin1String("clues"));
        if (!value.isUndefined() && !value.isObject())
            m_valid = false;
        const QJsonObject lists = value.toObject();
        for (auto list = lists.begin(); list != lists.end(); ++list) {
            const QString direction = list.key().section(QLatin1Char(':'), 0, 0).trimmed();
            const bool across
                    = direction.compare(QLatin1String("Across"), Qt::CaseInsensitive) == 0;
            if ((!across && direction.compare(QLatin1String("Down"), Qt::CaseInsensitive) != 0)
                || !list.value().isArray()) {
                m_valid = false;
                continue;
            }
            for (const QJsonValue &entry : list.value().toArray()) {
                Clue clue;
                clue.hor = across;
                if (entry.isArray() && entry.toArray().size() >= 2
                    && entry.toArray().at(1).isString()) {
                    clue.number = entry.toArray().at(0);
                    clue.text = entry.toArray().at(1).toString();
                } else if (entry.isString()) {
                    clue.text = entry.toString();
                } else if (entry.isObject()) {
                    const QJsonObject object = entry.toObject();
                    clue.number = object.value(QLatin1String("number"));
                    clue.text = object.value(QLatin1String("clue")).toString();
                    clue.cells = object.value(QLatin1String("cells")).toArray();
                } else {
                    m_valid = false;
                    continue;
                }
                clues.push_back(clue);
            }
        }
        return clues;
    }

    // The definition in Windows-1252, cut to its length; what it cannot hold becomes '?' and is
    // counted.
    std::string definition(const QString &html)
    {
        std::string text;
        for (const uint code : plainText(html).normalized(QString::NormalizationForm_C).toUcs4()) {
            if (text.size() == MaxDefinitionLength)
                break;
            const std::optional<char> c = charFromUnicode(code);
            if (!c)
                ++m_replaced;
            text.push_back(c.value_or('?'));
        }
        return text;
    }

    void readClues()
    {
        const std::vector<Clue> clues = clueList();
        // Our own files count cells from 1; others are read as whichever base fits, 1 first.
        std::optional<int> base;
        if (m_ours || cellsFit(clues, 1))
            base = 1;
        else if (cellsFit(clues, 0))
            base = 0;
        std::set<std::tuple<int, int, bool>> taken;
        std::vector<size_t> unnumbered;
        int highest = 0;
        for (const Clue &clue : clues) {
            std::optional<TPoint> p;
            if (base && !clue.cells.isEmpty()) {
                if (const std::optional<TPoint> first = point(clue.cells.at(0)))
                    p = position(qsizetype(first->X) - *base, qsizetype(first->Y) - *base);
            } else if (const auto found = m_labels.find(labelText(clue.number));
                       found != m_labels.end()) {
                p = found->second;
            }
            if (!p || !IsInEditingArea(*p) || !taken.insert({p->X, p->Y, clue.hor}).second) {
                m_valid = false;
                continue;
            }
            // Without a number of its own, a clue takes its field's label.
            std::optional<int> number = clueNumber(clue.number);
            if (!number)
                number = clueNumber(
                        cellAt(qsizetype(p->X) - m_left, qsizetype(p->Y) - m_top).label);
            TClueNumber added = MakeClueNumber(p->X, p->Y, definition(clue.text), clue.hor);
            added.Num = number.value_or(0);
            highest = std::max(highest, added.Num);
            if (!number)
                unnumbered.push_back(m_puzzle.Numbers.size());
            m_puzzle.Numbers.push_back(added);
        }
        for (size_t index : unnumbered)
            m_puzzle.Numbers[index].Num = ++highest;
        SortByNumber(m_puzzle.Numbers);
    }

    static std::optional<TPoint> point(const QJsonValue &value)
    {
        const QJsonArray xy = value.toArray();
        const auto x = wholeNumber(xy.at(0));
        const auto y = wholeNumber(xy.at(1));
        if (xy.size() != 2 || !x || !y)
            return std::nullopt;
        return TPoint{*x, *y};
    }

    // A frame end: unset, or within the editing area.
    TPoint frameEnd(const QJsonValue &value)
    {
        const std::optional<TPoint> p = point(value);
        m_valid = m_valid && p;
        return CheckedFrameEnd(p.value_or(TPoint{-1, -1}), m_valid);
    }

    // What only our own files carry: the drawing settings, the frame, the exact separators and
    // the output settings.
    void readExtension()
    {
        if (!m_ours)
            return;
        const auto fieldSize = wholeNumber(m_extension.value(QLatin1String("fieldSize")));
        const auto borderWidth = wholeNumber(m_extension.value(QLatin1String("borderWidth")));
        if (fieldSize && borderWidth && IsDrawableSize(*fieldSize, *borderWidth)) {
            m_puzzle.FieldSize = *fieldSize;
            m_puzzle.BorderWidth = *borderWidth;
        } else {
            m_valid = false;
        }
        const QJsonValue numbersInside = m_extension.value(QLatin1String("numbersInside"));
        const QJsonValue infos = m_extension.value(QLatin1String("infos"));
        m_valid = m_valid && numbersInside.isBool() && infos.isString();
        m_puzzle.NumbersInside = numbersInside.toBool();
        m_puzzle.StartField = frameEnd(m_extension.value(QLatin1String("startField")));
        m_puzzle.EndField = frameEnd(m_extension.value(QLatin1String("endField")));
        m_puzzle.Infos = fromQString(infos.toString());

        // The separators as they were, each on the side of the field it was set on.
        const QJsonValue separators = m_extension.value(QLatin1String("separators"));
        if (!separators.isArray()) {
            m_valid = false;
            return;
        }
        for (std::vector<TBoardField> &column : m_puzzle.Board) {
            for (TBoardField &field : column)
                field.BorderLeft = field.BorderTop = field.BorderRight = field.BorderBottom = false;
        }
        for (const QJsonValue &entry : separators.toArray()) {
            const QJsonArray item = entry.toArray();
            const auto col = wholeNumber(item.at(0));
            const auto row = wholeNumber(item.at(1));
            if (item.size() != 3 || !col || !row || !item.at(2).isString()
                || !IsInEditingArea(TPoint{*col, *row})) {
                m_valid = false;
                continue;
            }
            const QString sides = item.at(2).toString();
            TBoardField &field = GrownField(m_puzzle.Board, TPoint{*col, *row});
            field.BorderLeft = sides.contains(QLatin1Char('L'));
            field.BorderTop = sides.contains(QLatin1Char('T'));
            field.BorderRight = sides.contains(QLatin1Char('R'));
            field.BorderBottom = sides.contains(QLatin1Char('B'));
        }
    }

    const QJsonObject m_root;
    const QJsonValue m_block;
    const QJsonValue m_empty;
    QJsonArray m_grid;
    // Our own field of the file; empty in files of other programs.
    QJsonObject m_extension;
    TCrossWordPuzzle m_puzzle;
    int m_left = 1;
    int m_top = 1;
    bool m_ours = false;
    bool m_valid = true;
    int m_replaced = 0;
    // The first field carrying each label, in reading order.
    std::map<QString, TPoint> m_labels;
};

bool isCrossword(const QJsonObject &root)
{
    const QJsonValue kind = root.value(QLatin1String("kind"));
    const QJsonArray kinds = kind.isString() ? QJsonArray{kind} : kind.toArray();
    return std::any_of(kinds.begin(), kinds.end(), [](const QJsonValue &value) {
        return value.toString().contains(QLatin1String("crossword"), Qt::CaseInsensitive);
    });
}

} // namespace

bool IsIpuzHead(const QByteArray &head)
{
    const QByteArray text = head.startsWith(Utf8Mark) ? head.mid(Utf8Mark.size()) : head;
    const QByteArray trimmed = text.trimmed();
    return trimmed.startsWith('{');
}

bool ImportIpuzFile(const QString &fileName, const QByteArray &content)
{
    if (content.size() > MaxIpuzFileSize) {
        ReportUnreadable(fileName,
                         QStringLiteral("Eine ipuz-Datei darf höchstens %1 MB groß sein.")
                                 .arg(MaxIpuzFileSize / (1024 * 1024)));
        return false;
    }
    try {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(
                content.startsWith(Utf8Mark) ? content.mid(Utf8Mark.size()) : content, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            ReportUnreadable(
                    fileName,
                    QStringLiteral("Die ipuz-Datei ist kein gültiges JSON (Fehler bei Zeichen %1).")
                            .arg(error.offset));
            return false;
        }
        const QJsonObject root = document.object();
        if (!isCrossword(root)) {
            ReportUnreadable(fileName,
                             QStringLiteral("Die ipuz-Datei enthält kein Kreuzworträtsel."));
            return false;
        }
        IpuzReader reader(root);
        if (!reader.read()) {
            ReportUnreadable(fileName,
                             QStringLiteral("Die ipuz-Datei hat kein lesbares Gitter („dimensions“ "
                                            "und „puzzle“)."));
            return false;
        }
        NewPuzzle();
        Puzzle = std::move(reader.puzzle());
        if (!reader.valid())
            ReportInvalidData(fileName);
        if (reader.replaced() > 0)
            ActivePrompt().message(QStringLiteral("Hinweis"),
                                   QStringLiteral("In den Definitionen wurden %1 Zeichen, die "
                                                  "Windows-1252 nicht darstellen kann, durch „?“ "
                                                  "ersetzt.")
                                           .arg(reader.replaced()),
                                   Prompt::Icon::Information);
    } catch (const std::bad_alloc &) {
        ReportUnreadable(fileName, QStringLiteral("Der Speicher reicht nicht aus."));
        return false;
    }
    // Not tied to the file: "Speichern" must not write a document over the ipuz file.
    ShowLoadedDocument(QString());
    Modified = true;
    return true;
}

} // namespace gs
