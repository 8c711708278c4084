#include "app/commandline.h"

#include "core/consoleprompt.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "output/htmlexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

namespace gs {

namespace {

QCommandLineOption htmlOption()
{
    return QCommandLineOption(
            QStringLiteral("export-html"),
            QStringLiteral("Lädt FILE und schreibt ohne Fenster die HTML-Seite OUT.htm mit den "
                           "Ausgabe-Einstellungen des Rätsels, daneben arc.gif, wenn die Seite "
                           "es zeigt."),
            QStringLiteral("OUT.htm"));
}

void describe(QCommandLineParser &parser, const QCommandLineOption &convertOption)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addOption(convertOption);
    parser.addOption(htmlOption());
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

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
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
    if (parser.isSet(QStringLiteral("export-html"))) {
        const QStringList names = parser.positionalArguments();
        if (!parsed || names.size() != 1 || isConversion()) {
            fputs(qPrintable(QStringLiteral("Aufruf: gitterstern --export-html OUT.htm FILE\n")),
                  stderr);
            std::exit(2);
        }
        m_htmlSource = names.constFirst();
        m_htmlTarget = parser.value(QStringLiteral("export-html"));
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
    ConsolePrompt prompt;
    SetPrompt(&prompt);
    const bool done = LoadPuzzle(m_convertSource) && SavePuzzle(m_convertTarget);
    SetPrompt(nullptr);
    return done && !prompt.errorShown() ? 0 : 1;
}

int CommandLine::exportHtml() const
{
    ConsolePrompt prompt;
    SetPrompt(&prompt);
    bool done = LoadPuzzle(m_htmlSource) && !prompt.errorShown();
    if (done) {
        OutputSettings settings;
        settings.Get(Puzzle.Infos);
        const QString error = GenerateHTML(m_htmlTarget, settings);
        if (!error.isEmpty())
            prompt.error(error);
        done = error.isEmpty();
    }
    SetPrompt(nullptr);
    return done ? 0 : 1;
}

} // namespace gs
