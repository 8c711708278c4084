#include "assistant/wordlist.h"

#include "core/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace gs {

QString wordListTooLong(const QString &name)
{
    const QString list = name.isEmpty() ? QStringLiteral("Die Wortliste")
                                        : QStringLiteral("Die Wortliste %1").arg(name);
    return QStringLiteral("%1 ist zu lang: erlaubt sind höchstens %2 Zeilen und 1 MB.")
            .arg(list)
            .arg(MaxWordListLines);
}

namespace {

// The 1-based number of the first line of bytes that is not UTF-8 text (a NUL byte or a
// character cut off at the line's end counts as such), or 0 when all are.
int firstLineNotUtf8(const QByteArray &bytes)
{
    int line = 1;
    for (const QByteArray &part : bytes.split('\n')) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(decoder(part));
        if (decoder.hasError() || part.contains('\0'))
            return line;
        ++line;
    }
    return 0;
}

} // namespace

bool readWordListText(const QString &fileName, QString &text, QString &error)
{
    const QString name = QFileInfo(fileName).fileName();
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Die Wortliste %1 kann nicht gelesen werden!").arg(name);
        return false;
    }
    return decodeWordList(file.read(MaxWordListBytes + 1), name, text, error);
}

bool decodeWordList(const QByteArray &bytes, const QString &name, QString &text, QString &error)
{
    if (bytes.size() > MaxWordListBytes) {
        error = wordListTooLong(name);
        return false;
    }
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE) {
        QStringDecoder decoder(*encoding);
        text = decoder(bytes);
        if (!decoder.hasError() && !text.contains(QChar(0)))
            return true;
        error = QStringLiteral("Die Wortliste %1 ist keine lesbare UTF-16-Datei.").arg(name);
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder(bytes);
    // Only a list that is not UTF-8 is looked at line by line, to name the line.
    if (decoder.hasError() || bytes.contains('\0')) {
        error = QStringLiteral("Zeile %1 der Wortliste %2 ist nicht in UTF-8 geschrieben; "
                               "bitte die Liste als UTF-8 speichern.")
                        .arg(firstLineNotUtf8(bytes))
                        .arg(name);
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

bool readWordList(const QString &fileName, std::vector<std::string> &words, QString &error)
{
    QString text;
    if (!readWordListText(fileName, text, error))
        return false;
    const QStringList lines = wordListLines(text);
    if (lines.size() > MaxWordListLines) {
        error = wordListTooLong(QFileInfo(fileName).fileName());
        return false;
    }
    return wordsFromLines(lines, words, error);
}

QStringList wordListLines(const QString &text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool lineToCp1252(const QString &line, int number, std::string &bytes, QString &error)
{
    if (!fitsCodePage(line)) {
        error = QStringLiteral("Zeile %1 der Wortliste enthält ein Zeichen, das der "
                               "Zeichensatz Windows-1252 nicht kennt!")
                        .arg(number);
        return false;
    }
    bytes = fromQString(line);
    return true;
}

bool wordsFromLines(const QStringList &lines, std::vector<std::string> &words, QString &error)
{
    if (lines.isEmpty()) {
        error = QStringLiteral("Die Liste enthält keine Wörter!");
        return false;
    }
    words.clear();
    for (const QString &line : std::as_const(lines)) {
        std::string word;
        if (!lineToCp1252(line, int(words.size()) + 1, word, error))
            return false;
        words.push_back(std::move(word));
    }
    return true;
}

} // namespace gs
