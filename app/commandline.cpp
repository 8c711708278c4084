#include "app/commandline.h"

#include "core/consoleprompt.h"
#include "document/documentfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

namespace gs {

namespace {

void describe(QCommandLineParser &parser, const QCommandLineOption &convertOption)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addOption(convertOption);
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
    // A load that reported an error saves nothing: the target (perhaps the source) stays whole.
    const bool done
            = LoadPuzzle(m_convertSource) && !prompt.errorShown() && SavePuzzle(m_convertTarget);
    SetPrompt(nullptr);
    return done && !prompt.errorShown() ? 0 : 1;
}

} // namespace gs
