#include "document/documentfile.h"

#include "core/cp1252.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "core/savefile.h"
#include "document/crosswordcollection.h"
#include "document/documentview.h"
#include "document/ipuzexport.h"
#include "document/ipuzimport.h"
#include "document/legacyimport.h"
#include "document/zlibstream.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <exception>
#include <optional>

namespace gs {

namespace {

// A document file longer than this cannot hold a text within MaxDocumentTextSize: deflate
// expands incompressible text by well under a thousandth.
constexpr qint64 MaxDocumentFileSize = qint64(MaxDocumentTextSize + 1024 * 1024);
// An old text file holds a fixed 23 x 13 board and its clue numbers; reading stops after this
// many bytes (a longer file ends its import early, with the import's message).
constexpr qint64 MaxLegacyFileSize = 1024 * 1024;

QString shortName(const QString &fileName)
{
    return QFileInfo(fileName).fileName();
}

// The older text format starts with the line "Felderquiz".
bool isLegacyFile(const QByteArray &head)
{
    static constexpr std::string_view Word = "Felderquiz";
    if (!head.startsWith(QByteArray(Word.data(), qsizetype(Word.size()))))
        return false;
    return head.size() == qsizetype(Word.size()) || head.at(qsizetype(Word.size())) == '\r'
           || head.at(qsizetype(Word.size())) == '\n';
}

// Thrown while copying a document whose content cannot be used.
struct InvalidDocument : std::exception
{
};

// Copies the stored document into puzzle, as far as it goes. What the editor cannot make is
// left out and reported through valid: settings the drawing cannot use (replaced by the
// standard ones), more numbers or board positions than a document may hold, and fields, numbers
// and frame ends beyond the editing area. The board array itself keeps its stored size, which
// the editor widens beyond the editing area with empty columns and rows.
void copyDocument(const TCrossWordCollectionItem &item, TCrossWordPuzzle &puzzle, bool &valid)
{
    puzzle.FieldSize = item.FieldSize();
    puzzle.BorderWidth = item.BorderWidth();
    if (!IsDrawableSize(puzzle.FieldSize, puzzle.BorderWidth)) {
        puzzle.FieldSize = 30;
        puzzle.BorderWidth = 1;
        valid = false;
    }
    puzzle.NumbersInside = item.NumbersInside();
    puzzle.StartField = CheckedFrameEnd(TPoint{item.StartFieldCol(), item.StartFieldRow()}, valid);
    puzzle.EndField = CheckedFrameEnd(TPoint{item.EndFieldCol(), item.EndFieldRow()}, valid);
    puzzle.Infos = item.Infos();

    puzzle.Numbers.clear();
    const TNumberCollection &numbers = item.Numbers();
    valid = valid && !numbers.overflowed();
    for (int i = 0; i < numbers.Count(); ++i) {
        const TClueNumber &stored = numbers.Items(i).Number();
        if (!IsInEditingArea(TPoint{stored.Col, stored.Row})) {
            valid = false;
            continue;
        }
        TClueNumber number = MakeClueNumber(stored.Col, stored.Row, stored.Text, stored.Hor);
        number.Num = stored.Num;
        puzzle.Numbers.push_back(number);
    }

    const int cols = item.BoardCols();
    const int rows = item.BoardRows();
    const TBoardCollection &board = item.Board();
    if (cols < 0 || rows < 0 || cols > MaxBoardItems || rows > MaxBoardItems
        || (long long)cols * rows > MaxBoardItems || board.overflowed())
        throw InvalidDocument();
    puzzle.Board.assign(size_t(cols) + 1, std::vector<TBoardField>(size_t(rows) + 1));
    int next = 0;
    for (int col = 1; col <= cols; ++col) {
        for (int row = 1; row <= rows; ++row) {
            if (next >= board.Count())
                throw InvalidDocument();
            TBoardField field = board.Items(next++).Field();
            if (!field.Letter.empty() && !IsInEditingArea(TPoint{col, row})) {
                valid = false;
                continue;
            }
            field.Letter = field.Letter.substr(0, 1);
            puzzle.Board[size_t(col)][size_t(row)] = field;
        }
    }
}

// Reads the compressed document behind the signature into puzzle. Returns false when the data
// is damaged; puzzle then holds what could be copied before the damage.
bool readDocument(const QString &fileName, std::string_view compressed, TCrossWordPuzzle &puzzle)
{
    bool valid = true;
    try {
        std::string text;
        if (!DecompressStream(compressed, text))
            return false;
        TCrossWordCollection collection;
        collection.LoadXMLDocument(NormalizeLineBreaks(std::move(text)));
        if (collection.Count() == 0)
            return false;
        const TCrossWordCollectionItem &item = collection.Items(0);
        CheckFileVersion(fileName, item.ProgVersion());
        copyDocument(item, puzzle, valid);
    } catch (const std::exception &) {
        return false;
    }
    return valid;
}

void reportSaveFailure(const QString &fileName, const QString &reason)
{
    ActivePrompt().error(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. %2 "
                                        "Eine bereits vorhandene Datei bleibt unverändert.")
                                 .arg(fileName, reason));
}

// The leading number of a version text ("2.0 (BETA 1.2)" gives 2.0) and its beta number
// (1.2; none for a release, which ranks above every beta of the same number).
struct Version
{
    QList<int> number;
    std::optional<QList<int>> beta;
};

std::optional<QList<int>> parseNumbers(const QString &text)
{
    QList<int> parts;
    for (const QString &part : text.split(QLatin1Char('.'))) {
        bool ok = false;
        parts.append(part.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return parts;
}

std::optional<Version> parseVersion(const QString &text)
{
    static const QRegularExpression pattern(
            QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]+)*)\\s*(?:\\(\\s*BETA\\s+([0-9]+(?:\\.[0-9]+)*)"
                           "\\s*\\))?\\s*$"),
            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    Version version;
    version.number = *parseNumbers(match.captured(1));
    if (match.hasCaptured(2))
        version.beta = parseNumbers(match.captured(2));
    return version;
}

bool isNewer(const Version &file, const Version &program)
{
    if (file.number != program.number)
        return file.number > program.number;
    if (!file.beta || !program.beta)
        return !file.beta && program.beta;
    return *file.beta > *program.beta;
}

} // namespace

std::string NormalizeLineBreaks(std::string text)
{
    // Already CR LF throughout (the usual case): only the last line may lack its break.
    const size_t size = text.size();
    size_t i = 0;
    for (; i < size; ++i) {
        if (text[i] == '\r' ? i + 1 == size || text[i + 1] != '\n'
                            : text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            break;
    }
    if (i == size) {
        if (size > 0 && text.back() != '\n')
            text.append("\r\n");
        return text;
    }
    std::string result;
    result.reserve(text.size() + text.size() / 32 + 2);
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    auto pos = text.cbegin();
    while (pos != text.cend()) {
        const auto end = std::find_if(pos, text.cend(), isBreak);
        result.append(pos, end);
        result.append("\r\n");
        pos = end;
        if (pos != text.cend())
            pos += text.cend() - pos >= 2 && pos[0] == '\r' && pos[1] == '\n' ? 2 : 1;
    }
    return result;
}

std::string DocumentText()
{
    TCrossWordCollection collection;
    TCrossWordCollectionItem &item = collection.Add();
    item.SetProgVersion(ProgramVersion);
    item.SetFieldSize(Puzzle.FieldSize);
    item.SetBorderWidth(Puzzle.BorderWidth);
    item.SetNumbersInside(Puzzle.NumbersInside);
    item.SetStartFieldCol(Puzzle.StartField.X);
    item.SetStartFieldRow(Puzzle.StartField.Y);
    item.SetEndFieldCol(Puzzle.EndField.X);
    item.SetEndFieldRow(Puzzle.EndField.Y);
    item.SetInfos(Puzzle.Infos);
    for (const TClueNumber &number : Puzzle.Numbers)
        item.Numbers().Add().SetNumber(number);
    item.SetBoardCols(BoardCols());
    item.SetBoardRows(BoardRows());
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row)
            item.Board().Add().SetField(Puzzle.Board[size_t(col)][size_t(row)]);
    }
    return NormalizeLineBreaks(collection.XMLDocument());
}

bool SavePuzzle(const QString &fileName)
{
    const std::string text = DocumentText();
    std::string content(DocumentSignature);
    CompressStream(text, content);
    // The document first: when it cannot be written, the old copy still matches the old file.
    QString reason;
    if (!writeFileSafely(fileName, content, &reason)) {
        reportSaveFailure(fileName, reason);
        return false;
    }
    const QString copyName = fileName + QStringLiteral(".xml");
    if (!writeFileSafely(copyName, text, &reason)) {
        reportSaveFailure(copyName, reason);
        return false;
    }
    Modified = false;
    ShowDocumentName(fileName);
    return true;
}

bool LoadPuzzle(const QString &fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        ReportUnreadable(fileName);
        return false;
    }
    // Enough for the signature, the format word of an old text file with its break, and the
    // white space before an ipuz file's opening brace.
    const QByteArray head = file.peek(256);
    const bool legacy = isLegacyFile(head);
    if (!legacy && IsIpuzHead(head)) {
        try {
            return ImportIpuzFile(fileName, file.read(MaxIpuzFileSize + 1));
        } catch (const std::bad_alloc &) {
            ReportUnreadable(fileName);
            return false;
        }
    }
    if (!legacy
        && !head.startsWith(
                QByteArray(DocumentSignature.data(), qsizetype(DocumentSignature.size())))) {
        ReportUnreadable(fileName);
        return false;
    }

    // A damaged document is loaded into an empty puzzle, so nothing of the previous one mixes
    // into it. Buffers are sized by the file, never by the limits.
    TCrossWordPuzzle loaded;
    loaded.Infos = " - Felderquiz";
    bool valid = false;
    try {
        if (legacy)
            return ImportLegacyFile(fileName, file.read(std::min(file.size(), MaxLegacyFileSize)));
        if (file.size() <= MaxDocumentFileSize) {
            const QByteArray content = file.read(file.size());
            const std::string_view compressed
                    = std::string_view(content.constData(), size_t(content.size()))
                              .substr(DocumentSignature.size());
            valid = file.atEnd() && readDocument(fileName, compressed, loaded);
        }
    } catch (const std::bad_alloc &) {
        // Reported below as invalid data, with the empty puzzle, like any other damage.
    }
    file.close();
    Puzzle = std::move(loaded);
    if (!valid)
        ReportInvalidData(fileName);
    ShowLoadedDocument(fileName);
    return true;
}

void ReportUnreadable(const QString &fileName, const QString &reason)
{
    QString text = shortName(fileName) + QStringLiteral(" kann nicht gelesen werden!");
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    ActivePrompt().error(text);
}

TPoint CheckedFrameEnd(TPoint p, bool &valid)
{
    if (IsNoField(p) || IsInEditingArea(p))
        return p;
    valid = false;
    return TPoint{-1, -1};
}

bool IsDrawableSize(int fieldSize, int borderWidth)
{
    return fieldSize >= 2 && fieldSize <= MaxDrawnFieldSize && borderWidth >= 1
           && borderWidth <= fieldSize;
}

void ReportInvalidData(const QString &fileName)
{
    ActivePrompt().error(shortName(fileName)
                         + QStringLiteral(" enthält einige ungültige Daten! Es wird versucht, das "
                                          "Felderquiz trotzdem zu laden."));
}

void CheckFileVersion(const QString &fileName, const std::string &fileVersion)
{
    const std::optional<Version> program = parseVersion(QString::fromLatin1(ProgramVersion));
    const std::optional<Version> file = parseVersion(toQString(fileVersion));
    if (!program || !file || !isNewer(*file, *program))
        return;
    ActivePrompt().message(QStringLiteral("Hinweis"),
                           shortName(fileName)
                                   + QStringLiteral(" wurde mit einer neueren Programmversion (")
                                   + toQString(fileVersion)
                                   + QStringLiteral(") erstellt. Wenn Sie diese Datei erneut unter "
                                                    "diesem Dateinamen speichern, könnten unter "
                                                    "Umständen Daten verloren gehen."),
                           Prompt::Icon::Information);
}

} // namespace gs
