#include "assistant/wordlist.h"

#include "core/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace gs {

bool readWordList(const QString &fileName, std::vector<std::string> &words, QString &error)
{
    const QString name = QFileInfo(fileName).fileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Die Wortliste %1 kann nicht gelesen werden!").arg(name);
        return false;
    }
    const QByteArray bytes = file.read(MaxWordListBytes + 1);
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = wordListLines(text);
    if (bytes.size() > MaxWordListBytes || lines.size() > MaxWordListLines) {
        error = QStringLiteral("Die Wortliste %1 ist zu lang: erlaubt sind höchstens %2 Zeilen "
                               "und 1 MB.")
                        .arg(name)
                        .arg(MaxWordListLines);
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

bool wordsFromLines(const QStringList &lines, std::vector<std::string> &words, QString &error)
{
    if (lines.isEmpty()) {
        error = QStringLiteral("Die Liste enthält keine Wörter!");
        return false;
    }
    words.clear();
    for (const QString &line : std::as_const(lines)) {
        std::string word;
        for (const char32_t code : line.toUcs4()) {
            const auto byte = charFromUnicode(code);
            if (!byte) {
                error = QStringLiteral("Zeile %1 der Wortliste enthält ein Zeichen, das der "
                                       "Zeichensatz Windows-1252 nicht kennt!")
                                .arg(words.size() + 1);
                return false;
            }
            word += *byte;
        }
        words.push_back(std::move(word));
    }
    return true;
}

} // namespace gs
