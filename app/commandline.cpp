#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace gs {

CommandLine::CommandLine(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Felderquiz-Datei, die beim Start geöffnet wird."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList names = parser.positionalArguments();
    if (!names.isEmpty())
        m_fileName = names.constFirst();
}

} // namespace gs
