#include "output/webexport.h"

#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "core/savefile.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gs {

namespace {

// Cell flags of the page data; the script reads the same bits.
enum CellFlag {
    CellBlock = 1,
    CellBarLeft = 2,
    CellBarRight = 4,
    CellBarTop = 8,
    CellBarBottom = 16,
    CellNoLetter = 32, // an open field the author left without a letter
};

// A compiled-in file of the page (its script or style sheet).
std::string resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::string();
    return file.readAll().toStdString();
}

std::string jsonText(const std::string &cp1252)
{
    return jsonString(toQString(cp1252));
}

// The next value of a 32-bit xorshift sequence; the script steps the same sequence.
uint32_t nextKey(uint32_t &state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// FNV-1a over bytes, never 0 (a xorshift sequence started at 0 stays there).
uint32_t contentHash(const std::string &bytes)
{
    uint32_t hash = 2166136261u;
    for (const unsigned char c : bytes) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash == 0 ? 1 : hash;
}

// The solution letters, XORed with the sequence started at key, as base64: not readable in
// the page source, which is all it is meant to do.
std::string scrambled(const std::string &utf8, uint32_t key)
{
    QByteArray bytes = QByteArray::fromStdString(utf8);
    for (char &c : bytes)
        c = char(uchar(c) ^ (nextKey(key) & 0xFF));
    return bytes.toBase64().toStdString();
}

// The page data: cells in reading order, clues by number, frame, texts. The solution
// letters of the cells, upper-cased, go to solution (UTF-8).
std::string puzzleData(const OutputSettings &settings, std::string &solution)
{
    std::string cells;
    for (int row = 1; row <= BoardRows(); ++row) {
        for (int col = 1; col <= BoardCols(); ++col) {
            const TBoardField field = GetField({col, row});
            if (IsBlankField({col, row}))
                continue;
            int flags = (field.Block ? CellBlock : 0) | (field.BorderLeft ? CellBarLeft : 0)
                        | (field.BorderRight ? CellBarRight : 0)
                        | (field.BorderTop ? CellBarTop : 0)
                        | (field.BorderBottom ? CellBarBottom : 0);
            if (!field.Block && field.Letter == "-")
                flags |= CellNoLetter;
            else if (!field.Block)
                solution += toQString(upperCase(field.Letter)).toStdString();
            if (!cells.empty())
                cells += ',';
            cells += '[' + std::to_string(col) + ',' + std::to_string(row) + ','
                     + std::to_string(flags) + ','
                     + std::to_string(std::max(0, field.SolutionNumber)) + ']';
        }
    }
    std::vector<TClueNumber> numbers = Puzzle.Numbers;
    SortByNumber(numbers);
    std::string clues;
    for (const TClueNumber &number : numbers) {
        if (!clues.empty())
            clues += ',';
        clues += '[' + std::to_string(number.Num) + ',' + std::to_string(number.Col) + ','
                 + std::to_string(number.Row) + ',' + (number.Hor ? "1," : "0,")
                 + jsonText(number.Text) + ']';
    }
    const TPoint start = Puzzle.StartField;
    const TPoint end = Puzzle.EndField;
    std::string frame = "null";
    if (!IsNoField(start) && !IsNoField(end) && (start.X == end.X || start.Y == end.Y)) {
        frame = '[' + std::to_string(std::min(start.X, end.X)) + ','
                + std::to_string(std::min(start.Y, end.Y)) + ','
                + std::to_string(std::max(start.X, end.X)) + ','
                + std::to_string(std::max(start.Y, end.Y)) + ']';
    }
    return "\"cells\":[" + cells + "],\"clues\":[" + clues + "],\"frame\":" + frame + ",\"solved\":"
           + jsonText(settings.text("Edit3")) + ",\"wrong\":" + jsonText(settings.text("Edit4"));
}

} // namespace

std::string jsonString(const QString &text)
{
    std::string json = "\"";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            json += '\\';
            json += char(u);
        } else if (u < 0x20 || u == u'<' || u == 0x2028 || u == 0x2029) {
            json += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toStdString();
        } else {
            json += QString(c).toStdString();
        }
    }
    return json + '"';
}

std::string MakeWebPage(const OutputSettings &settings)
{
    std::string solution;
    std::string data = puzzleData(settings, solution);
    const uint32_t key = contentHash(data + solution);
    // Without "Auf Website lösbar" the page cannot check anything, so it carries no solution.
    if (settings.isOn("CheckBox1"))
        data += ",\"solution\":\"" + scrambled(solution, key) + '"';
    data = '{' + data + ",\"key\":" + std::to_string(key) + '}';
    // A page needs a title; an empty setting gets the program's usual one.
    std::string heading = settings.text("Edit12");
    if (heading.find_first_not_of(' ') == std::string::npos)
        heading = OutputSettings::find("Edit12")->standard;
    const std::string title = toQString(heading).toHtmlEscaped().toStdString();
    std::string page = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta name=\"generator\" content=\"Gitterstern\">\n"
                       "<link rel=\"icon\" href=\"data:,\">\n<title>";
    page += title + "</title>\n<style>\n";
    page += resourceText(QStringLiteral(":/web/puzzle.css"));
    page += "</style>\n</head>\n<body>\n<main id=\"raetsel\"><h1>" + title;
    page += "</h1><noscript><p>Dieses Rätsel braucht JavaScript.</p></noscript></main>\n";
    page += "<script type=\"application/json\" id=\"raetseldaten\">" + data + "</script>\n";
    page += "<script>\n" + resourceText(QStringLiteral(":/web/puzzle.js")) + "</script>\n";
    return page + "</body>\n</html>\n";
}

QString ExportWebPage(const QString &fileName, const OutputSettings &settings)
{
    if (IsBoardEmpty())
        return QStringLiteral("Das Felderquiz hat keine Felder; es wurde kein Web-Rätsel "
                              "geschrieben.");
    return writeFileReporting(fileName, MakeWebPage(settings));
}

} // namespace gs
