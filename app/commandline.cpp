#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace gs {

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Felderquiz-Datei, die beim Start geöffnet wird."),
                                 QStringLiteral("[FILE]"));
}

} // namespace

void CommandLine::showHelpIfAsked(int &argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    // The toolkit's own options are still in the list here and count as unknown; only the
    // help request matters.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
}

CommandLine::CommandLine(const QCoreApplication &application)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(application);
    const QStringList names = parser.positionalArguments();
    if (!names.isEmpty())
        m_fileName = names.constFirst();
}

} // namespace gs
