#include "app/commandline.h"

#include "core/consoleprompt.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"
#include "output/pictureexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

namespace gs {

namespace {

QCommandLineOption exportImageOption()
{
    return QCommandLineOption(
            QStringLiteral("export-image"),
            QStringLiteral("Lädt FILE und speichert ohne Fenster das Bild der Bildausgabe (mit "
                           "den Ausgabe-Einstellungen des Rätsels) als OUT: .bmp, .gif, .jpg "
                           "oder .pdf."),
            QStringLiteral("OUT"));
}

void describe(QCommandLineParser &parser, const QCommandLineOption &convertOption)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    parser.addOption(convertOption);
    parser.addOption(exportImageOption());
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
    if (parser.isSet(QStringLiteral("export-image"))) {
        const QStringList names = parser.positionalArguments();
        if (!parsed || names.size() != 1) {
            fputs(qPrintable(QStringLiteral("Aufruf: gitterstern --export-image OUT FILE\n")),
                  stderr);
            std::exit(2);
        }
        m_convertSource = names.constFirst();
        m_imageTarget = parser.value(QStringLiteral("export-image"));
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

int CommandLine::exportImage() const
{
    ConsolePrompt prompt;
    SetPrompt(&prompt);
    bool done = LoadPuzzle(m_convertSource) && !prompt.errorShown();
    if (done) {
        OutputSettings &settings = CurrentOutputSettings();
        settings.SetStandardValues();
        settings.Get(Puzzle.Infos);
        ImageComposition composition;
        QString error;
        done = composition.Draw(
                       settings, settings.isOn("CheckBox7"), settings.isOn("CheckBox8"), &error)
               && ExportPicture(composition, m_imageTarget, error);
        if (!done)
            prompt.error(error);
    }
    SetPrompt(nullptr);
    return done ? 0 : 1;
}

} // namespace gs
