#include "app/commandline.h"

#include "assistant/wordfitting.h"
#include "assistant/wordlist.h"
#include "core/consoleprompt.h"
#include "core/cp1252.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "editor/qttranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdlib>
#include <functional>

namespace gs {

namespace {

QCommandLineOption fitWordsOption()
{
    return QCommandLineOption(
            QStringLiteral("fit-words"),
            QStringLiteral("Baut die Wörter aus WORDS (UTF-8, ein Wort je Zeile) wie der "
                           "Rätsel-Assistent mit Nummern in FILE oder ein neues Felderquiz ein "
                           "und speichert das Ergebnis ohne Fenster als OUT.gsd: "
                           "--fit-words WORDS OUT.gsd [FILE]."),
            QStringLiteral("WORDS"));
}

void describe(QCommandLineParser &parser, const QCommandLineOption &convertOption)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addOption(convertOption);
    parser.addOption(fitWordsOption());
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Felderquiz-Datei, die geöffnet wird."),
                                 QStringLiteral("[FILE]"));
}

QCommandLineOption convertOption()
{
    return QCommandLineOption(
            QStringLiteral("convert"),
            QStringLiteral("Lädt FILE (Felderquiz-Datei oder älteres Textformat) und speichert es "
                           "ohne Fenster als Felderquiz-Datei OUT, mit der Kopie OUT.xml."),
            QStringLiteral("OUT"));
}

// Loads source with its messages on stderr (a new puzzle when source is empty), applies change
// and saves target as "Speichern" does. Nothing is saved after a load that reported an error.
// Returns the exit code: 0 when saved.
int loadChangeSave(const QString &source,
                   const std::function<void()> &change,
                   const QString &target)
{
    ConsolePrompt prompt;
    SetPrompt(&prompt);
    if (source.isEmpty())
        NewPuzzle();
    const bool loaded = source.isEmpty() || (LoadPuzzle(source) && !prompt.errorShown());
    if (loaded && change)
        change();
    const bool saved = loaded && SavePuzzle(target);
    SetPrompt(nullptr);
    return saved ? 0 : 1;
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    InstallQtTranslation();
    const QCommandLineOption convert = convertOption();
    QCommandLineParser parser;
    describe(parser, convert);
    // The toolkit's own options are still in the list here and count as unknown for the
    // editor; they matter only for a conversion, which takes none.
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();

    if (parser.isSet(convert)) {
        const QStringList names = parser.positionalArguments();
        if (!parsed || names.size() != 1) {
            fputs(qPrintable(QStringLiteral("Aufruf: gitterstern --convert OUT FILE\n")), stderr);
            std::exit(2);
        }
        m_convertSource = names.constFirst();
        m_convertTarget = parser.value(convert);
    }

    if (parser.isSet(QStringLiteral("fit-words"))) {
        const QStringList names = parser.positionalArguments();
        if (!parsed || parser.isSet(convert) || names.isEmpty() || names.size() > 2) {
            fputs(qPrintable(QStringLiteral("Aufruf: gitterstern --fit-words WORDS OUT.gsd "
                                            "[FILE]\n")),
                  stderr);
            std::exit(2);
        }
        m_wordList = parser.value(QStringLiteral("fit-words"));
        m_fitTarget = names.constFirst();
        m_fitSource = names.value(1);
    }
}

QString CommandLine::fileName(const QCoreApplication &application)
{
    QCommandLineParser parser;
    describe(parser, convertOption());
    parser.parse(application.arguments());
    const QStringList names = parser.positionalArguments();
    return names.isEmpty() ? QString() : names.constFirst();
}

int CommandLine::convert() const
{
    return loadChangeSave(m_convertSource, {}, m_convertTarget);
}

int CommandLine::fitWords() const
{
    QTextStream err(stderr);
    std::vector<std::string> words;
    QString error;
    if (!readWordList(m_wordList, words, error)) {
        err << "Fehler: " << error << Qt::endl;
        return 1;
    }
    const int lines = int(words.size());
    return loadChangeSave(
            m_fitSource,
            [&] {
                FitWords(words, true);
                err << fittingMessage(int(words.size()), lines) << Qt::endl;
                for (const std::string &word : words)
                    err << toQString(word) << Qt::endl;
            },
            m_fitTarget);
}

} // namespace gs
