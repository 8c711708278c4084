#include "document/ipuzexport.h"

#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "core/savefile.h"

#include <QByteArrayList>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <map>
#include <utility>

namespace gs {

namespace {

// A position that is drawn as an open field (blank positions and provisional fields are not).
bool isWhiteField(TPoint p)
{
    return !IsBlankField(p) && !GetField(p).Block;
}

// ipuz texts are HTML; a definition is plain text.
QString htmlEscaped(const std::string &text)
{
    QString escaped = toQString(text);
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

// The smallest rectangle of board positions (inclusive) holding every field and every clue
// number; empty (left > right) when there is none.
struct Box
{
    int left = INT_MAX;
    int top = INT_MAX;
    int right = 0;
    int bottom = 0;

    void add(TPoint p)
    {
        left = std::min(left, p.X);
        top = std::min(top, p.Y);
        right = std::max(right, p.X);
        bottom = std::max(bottom, p.Y);
    }
    bool empty() const { return left > right; }
    // A board position as ipuz counts cells in clues: [column, row] from 1.
    QJsonArray cell(TPoint p) const { return QJsonArray{p.X - left + 1, p.Y - top + 1}; }
};

Box fieldBox()
{
    Box box;
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (!IsBlankField(TPoint{col, row}))
                box.add(TPoint{col, row});
        }
    }
    for (const TClueNumber &number : Puzzle.Numbers) {
        if (!IsNoField(TPoint{number.Col, number.Row}))
            box.add(TPoint{number.Col, number.Row});
    }
    return box;
}

// A separator between p and the next position in the word's direction ends the word.
bool separated(TPoint p, TPoint next, bool hor)
{
    const TBoardField here = GetField(p);
    const TBoardField there = GetField(next);
    return hor ? here.BorderRight || there.BorderLeft : here.BorderBottom || there.BorderTop;
}

// The word's cells: from the number's field on while white fields follow without a separator.
QJsonArray wordCells(const TClueNumber &number, const Box &box)
{
    TPoint p{number.Col, number.Row};
    QJsonArray cells{box.cell(p)};
    if (!isWhiteField(p))
        return cells;
    for (TPoint next = letterPosition(p, number.Hor, 1);
         isWhiteField(next) && !separated(p, next, number.Hor);
         p = next, next = letterPosition(p, number.Hor, 1))
        cells.append(box.cell(next));
    return cells;
}

// The sides of p that carry a bar as ipuz writes it: right and bottom bars on the left or upper
// field, whichever of the two fields holds the separator; left and top only where that side has
// no field.
QString bars(TPoint p)
{
    const TBoardField field = GetField(p);
    const TPoint left{p.X - 1, p.Y};
    const TPoint right{p.X + 1, p.Y};
    const TPoint above{p.X, p.Y - 1};
    const TPoint below{p.X, p.Y + 1};
    QString sides;
    if (field.BorderTop && IsBlankField(above))
        sides += QLatin1Char('T');
    if (field.BorderRight || (!IsBlankField(right) && GetField(right).BorderLeft))
        sides += QLatin1Char('R');
    if (field.BorderBottom || (!IsBlankField(below) && GetField(below).BorderTop))
        sides += QLatin1Char('B');
    if (field.BorderLeft && IsBlankField(left))
        sides += QLatin1Char('L');
    return sides;
}

QJsonValue puzzleCell(TPoint p, const std::map<std::pair<int, int>, int> &labels)
{
    if (IsBlankField(p))
        return QJsonValue::Null;
    const TBoardField field = GetField(p);
    QJsonValue base = 0;
    if (field.Block) {
        base = QStringLiteral("#");
    } else if (const auto label = labels.find({p.X, p.Y}); label != labels.end()) {
        base = label->second;
    }
    QJsonObject style;
    if (const QString sides = bars(p); !sides.isEmpty())
        style.insert(QStringLiteral("barred"), sides);
    // The solution-letter number is drawn in the lower right corner of its circle.
    if (field.SolutionNumber > 0) {
        style.insert(QStringLiteral("shapebg"), QStringLiteral("circle"));
        style.insert(QStringLiteral("mark"),
                     QJsonObject{{QStringLiteral("BR"), QString::number(field.SolutionNumber)}});
    }
    if (style.isEmpty())
        return base;
    return QJsonObject{{QStringLiteral("cell"), base}, {QStringLiteral("style"), style}};
}

QJsonValue solutionCell(TPoint p)
{
    if (IsBlankField(p))
        return QJsonValue::Null;
    const TBoardField field = GetField(p);
    if (field.Block)
        return QStringLiteral("#");
    if (field.Letter == "-")
        return 0;
    return toQString(field.Letter);
}

QJsonArray point(TPoint p)
{
    return QJsonArray{p.X, p.Y};
}

// What ipuz cannot say, in board positions.
QJsonObject extension(const Box &box)
{
    QJsonArray separators;
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            const TBoardField field = GetField(TPoint{col, row});
            QString sides;
            for (const auto &[on, side] : {std::pair{field.BorderLeft, 'L'},
                                           {field.BorderTop, 'T'},
                                           {field.BorderRight, 'R'},
                                           {field.BorderBottom, 'B'}}) {
                if (on)
                    sides += QLatin1Char(side);
            }
            if (!sides.isEmpty())
                separators.append(QJsonArray{col, row, sides});
        }
    }
    return QJsonObject{{QStringLiteral("left"), box.left},
                       {QStringLiteral("top"), box.top},
                       {QStringLiteral("fieldSize"), Puzzle.FieldSize},
                       {QStringLiteral("borderWidth"), Puzzle.BorderWidth},
                       {QStringLiteral("numbersInside"), Puzzle.NumbersInside},
                       {QStringLiteral("startField"), point(Puzzle.StartField)},
                       {QStringLiteral("endField"), point(Puzzle.EndField)},
                       {QStringLiteral("separators"), separators},
                       {QStringLiteral("infos"), toQString(Puzzle.Infos)}};
}

// A value as compact JSON.
QByteArray compact(const QJsonValue &value)
{
    const QByteArray list = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return list.mid(1, list.size() - 2);
}

QByteArray indentation(int depth)
{
    return QByteArray(2 * depth, ' ');
}

QByteArray member(const QString &key, const QByteArray &value, int depth)
{
    return indentation(depth) + compact(key) + ": " + value;
}

// A list with each entry compact on its own line, so that a grid reads row by row.
QByteArray lines(const QJsonArray &list, int depth)
{
    if (list.isEmpty())
        return "[]";
    QByteArrayList entries;
    for (const QJsonValue &entry : list)
        entries << indentation(depth + 1) + compact(entry);
    return "[\n" + entries.join(",\n") + "\n" + indentation(depth) + "]";
}

// An object of members written at depth, one on each line.
QByteArray object(const QByteArrayList &members, int depth)
{
    return "{\n" + members.join(",\n") + "\n" + indentation(depth - 1) + "}";
}

} // namespace

QByteArray IpuzText(const std::string &title)
{
    const Box box = fieldBox();
    if (box.empty())
        return QByteArray();

    // A field that starts two numbers shows the smaller one; the clues' cells say the rest.
    std::map<std::pair<int, int>, int> labels;
    for (const TClueNumber &number : Puzzle.Numbers) {
        const auto [label, added] = labels.try_emplace({number.Col, number.Row}, number.Num);
        if (!added)
            label->second = std::min(label->second, number.Num);
    }
    QJsonArray puzzle;
    QJsonArray solution;
    for (int row = box.top; row <= box.bottom; ++row) {
        QJsonArray puzzleRow;
        QJsonArray solutionRow;
        for (int col = box.left; col <= box.right; ++col) {
            puzzleRow.append(puzzleCell(TPoint{col, row}, labels));
            solutionRow.append(solutionCell(TPoint{col, row}));
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
    }

    std::vector<TClueNumber> numbers = Puzzle.Numbers;
    SortByNumber(numbers);
    QJsonArray across;
    QJsonArray down;
    for (const TClueNumber &number : numbers) {
        (number.Hor ? across : down)
                .append(QJsonObject{{QStringLiteral("number"), number.Num},
                                    {QStringLiteral("clue"), htmlEscaped(number.Text)},
                                    {QStringLiteral("cells"), wordCells(number, box)}});
    }

    QByteArrayList members{
            member(QStringLiteral("version"), compact(QStringLiteral("http://ipuz.org/v2")), 1),
            member(QStringLiteral("kind"),
                   compact(QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}),
                   1),
            member(QStringLiteral("origin"), compact(QString::fromLatin1(ProgramCaption)), 1)};
    if (!title.empty())
        members << member(QStringLiteral("title"), compact(htmlEscaped(title)), 1);
    members << member(QStringLiteral("dimensions"),
                      compact(QJsonObject{{QStringLiteral("width"), box.right - box.left + 1},
                                          {QStringLiteral("height"), box.bottom - box.top + 1}}),
                      1)
            << member(QStringLiteral("puzzle"), lines(puzzle, 1), 1)
            << member(QStringLiteral("solution"), lines(solution, 1), 1)
            << member(QStringLiteral("clues"),
                      object({member(QStringLiteral("Across"), lines(across, 2), 2),
                              member(QStringLiteral("Down"), lines(down, 2), 2)},
                             2),
                      1)
            << member(QString::fromLatin1(IpuzExtensionKey), compact(extension(box)), 1);
    return object(members, 1) + "\n";
}

QString ExportIpuz(const QString &fileName, const std::string &title)
{
    const QString name = QDir::toNativeSeparators(fileName);
    const QByteArray text = IpuzText(title);
    if (text.isEmpty()) {
        return QStringLiteral("Das Felderquiz hat keine Felder; die Datei %1 wurde nicht "
                              "geschrieben.")
                .arg(name);
    }
    if (text.size() > MaxIpuzFileSize) {
        return QStringLiteral("Das Felderquiz ist zu umfangreich für eine ipuz-Datei (höchstens "
                              "%1 MB); die Datei %2 wurde nicht geschrieben.")
                .arg(MaxIpuzFileSize / (1024 * 1024))
                .arg(name);
    }
    return writeFileReporting(fileName, std::string_view(text.constData(), size_t(text.size())));
}

} // namespace gs
