#include "app/commandline.h"

#include "assistant/puzzlegenerator.h"
#include "assistant/wordfitting.h"
#include "assistant/wordlist.h"
#include "core/consoleprompt.h"
#include "core/cp1252.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/ipuzexport.h"
#include "editor/qttranslation.h"
#include "output/htmlexport.h"
#include "output/imagecomposition.h"
#include "output/outputsettings.h"
#include "output/pictureexport.h"
#include "output/webexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdlib>
#include <functional>

namespace gs {

namespace {

// A headless task's option: its value and how many positional names follow it.
struct HeadlessOption
{
    CommandLine::Task task;
    const char *name;
    const char *valueName;
    const char *description;
    int leastNames;
    int mostNames;
    const char *usage;
};

const HeadlessOption headlessOptions[] = {
        {CommandLine::Task::Convert,
         "convert",
         "OUT",
         "Lädt FILE (Felderquiz-Datei, älteres Textformat oder ipuz) und speichert es ohne "
         "Fenster als Felderquiz-Datei OUT, mit der Kopie OUT.xml.",
         1,
         1,
         "gitterstern --convert OUT FILE"},
        {CommandLine::Task::FitWords,
         "fit-words",
         "WORDS",
         "Baut die Wörter aus WORDS (UTF-8, ein Wort je Zeile) wie der Rätsel-Assistent mit "
         "Nummern in FILE oder ein neues Felderquiz ein und speichert das Ergebnis ohne Fenster "
         "als OUT.gsd: --fit-words WORDS OUT.gsd [FILE].",
         1,
         2,
         "gitterstern --fit-words WORDS OUT.gsd [FILE]"},
        {CommandLine::Task::Generate,
         "generate",
         "WORDS",
         "Erzeugt aus der Wortliste WORDS (UTF-8, je Zeile WORT, WORT;Definition oder "
         "WORT<Tab>Definition) ein zusammenhängendes Rätsel mit Nummern und Definitionen auf "
         "dem Brett von FILE oder einem neuen Felderquiz und speichert es ohne Fenster als "
         "OUT.gsd: --generate WORDS OUT.gsd [FILE]; dazu --seed N und --size SPALTENxZEILEN.",
         1,
         2,
         "gitterstern --generate WORDS OUT.gsd [FILE] [--seed N] [--size SPALTENxZEILEN]"},
        {CommandLine::Task::ExportImage,
         "export-image",
         "OUT",
         "Lädt FILE und speichert ohne Fenster das Bild der Bildausgabe (mit den "
         "Ausgabe-Einstellungen des Rätsels) als OUT: .bmp, .gif, .jpg oder .pdf; mit "
         "--no-letters ohne Buchstaben.",
         1,
         1,
         "gitterstern --export-image OUT FILE [--no-letters]"},
        {CommandLine::Task::ExportHtml,
         "export-html",
         "OUT.htm",
         "Lädt FILE und schreibt ohne Fenster die HTML-Seite OUT.htm mit den "
         "Ausgabe-Einstellungen des Rätsels, daneben arc.gif, wenn die Seite es zeigt.",
         1,
         1,
         "gitterstern --export-html OUT.htm FILE"},
        {CommandLine::Task::ExportIpuz,
         "export-ipuz",
         "OUT.ipuz",
         "Lädt FILE und schreibt ohne Fenster die ipuz-Datei OUT.ipuz für andere "
         "Kreuzworträtsel-Programme.",
         1,
         1,
         "gitterstern --export-ipuz OUT.ipuz FILE"},
        {CommandLine::Task::ExportWeb,
         "export-web",
         "OUT.html",
         "Lädt FILE und schreibt ohne Fenster das Web-Rätsel OUT.html (eine UTF-8-Seite zum "
         "Lösen im Browser) mit den Ausgabe-Einstellungen des Rätsels.",
         1,
         1,
         "gitterstern --export-web OUT.html FILE"},
};

// The switch of --export-image that leaves the letters out.
const QString NoLettersOption = QStringLiteral("no-letters");

QCommandLineOption makeOption(const HeadlessOption &option)
{
    return QCommandLineOption(QString::fromLatin1(option.name),
                              QString::fromUtf8(option.description),
                              QString::fromLatin1(option.valueName));
}

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Gitterstern – Editor für Felderquiz-Rätsel."));
    parser.addHelpOption();
    for (const HeadlessOption &option : headlessOptions)
        parser.addOption(makeOption(option));
    parser.addOption(QCommandLineOption(NoLettersOption,
                                        QStringLiteral("Mit --export-image: das Bild ohne "
                                                       "Buchstaben (das leere Rätsel).")));
    parser.addOption(QCommandLineOption(QStringLiteral("seed"),
                                        QStringLiteral("Zu --generate: die Zahl, die den Aufbau "
                                                       "wiederholbar macht (Standard 1)."),
                                        QStringLiteral("N")));
    parser.addOption(QCommandLineOption(
            QStringLiteral("size"),
            QStringLiteral("Zu --generate: das größte Feld, z. B. 20x20 (höchstens 49x39, denn "
                           "Spalte 1 und Zeile 1 bleiben für die Nummern frei)."),
            QStringLiteral("SPALTENxZEILEN")));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Felderquiz-Datei, die geöffnet wird."),
                                 QStringLiteral("[FILE]"));
}

[[noreturn]] void exitWithUsage(const HeadlessOption &option)
{
    fputs(qPrintable(QStringLiteral("Aufruf: %1\n").arg(QString::fromLatin1(option.usage))),
          stderr);
    std::exit(2);
}

// Loads source with every message on stderr (a new puzzle when source is empty) and runs work
// when the load reported no error. Returns the exit code: 0 when work succeeded.
int withLoadedPuzzle(const QString &source, const std::function<bool(Prompt &)> &work)
{
    ConsolePrompt prompt;
    SetPrompt(&prompt);
    if (source.isEmpty())
        NewPuzzle();
    const bool loaded = source.isEmpty() || (LoadPuzzle(source) && !prompt.errorShown());
    const bool done = loaded && work(prompt);
    SetPrompt(nullptr);
    return done ? 0 : 1;
}

// The output settings the document carries, over the defaults.
OutputSettings documentSettings()
{
    OutputSettings settings;
    settings.Get(Puzzle.Infos);
    return settings;
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    InstallQtTranslation();
    QCommandLineParser parser;
    describe(parser);
    // The toolkit's own options are still in the list here and count as unknown for the
    // editor; they matter only for a headless task, which takes none.
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();

    for (const HeadlessOption &option : headlessOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name))
            continue;
        const QStringList names = parser.positionalArguments();
        // One headless task per call.
        if (!parsed || m_task != Task::Edit || names.size() < option.leastNames
            || names.size() > option.mostNames)
            exitWithUsage(option);
        m_task = option.task;
        m_value = parser.value(name);
        m_names = names;
        m_noLetters = parser.isSet(NoLettersOption);
        if (m_noLetters && m_task != Task::ExportImage)
            exitWithUsage(option);
    }
    readGeneratorOptions(parser);
}

void CommandLine::readGeneratorOptions(const QCommandLineParser &parser)
{
    const bool seed = parser.isSet(QStringLiteral("seed"));
    const bool size = parser.isSet(QStringLiteral("size"));
    if (!seed && !size)
        return;
    const auto refuse = [](const QString &message) {
        fputs(qPrintable(QStringLiteral("Fehler: %1\n").arg(message)), stderr);
        std::exit(2);
    };
    if (m_task != Task::Generate)
        refuse(QStringLiteral("--seed und --size gelten nur zusammen mit --generate."));
    bool ok = true;
    if (seed)
        m_seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
    if (!ok)
        refuse(QStringLiteral("--seed erwartet eine ganze Zahl ab 0."));
    if (!size)
        return;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})[x×](\\d{1,3})$"));
    const QRegularExpressionMatch match = pattern.match(parser.value(QStringLiteral("size")));
    m_cols = match.captured(1).toInt();
    m_rows = match.captured(2).toInt();
    if (!match.hasMatch() || m_cols < 2 || m_rows < 2 || m_cols > MaxCols - 1
        || m_rows > MaxRows - 1)
        refuse(QStringLiteral("--size erwartet SPALTENxZEILEN von 2x2 bis 49x39, z. B. 20x20."));
}

QString CommandLine::fileName(const QCoreApplication &application)
{
    QCommandLineParser parser;
    describe(parser);
    parser.parse(application.arguments());
    const QStringList names = parser.positionalArguments();
    return names.isEmpty() ? QString() : names.constFirst();
}

int CommandLine::run() const
{
    switch (m_task) {
    case Task::Convert:
        return convert();
    case Task::FitWords:
        return fitWords();
    case Task::Generate:
        return generate();
    case Task::ExportImage:
        return exportImage();
    case Task::ExportHtml:
        return exportHtml();
    case Task::ExportIpuz:
        return exportIpuz();
    case Task::ExportWeb:
        return exportWeb();
    case Task::Edit:
        break;
    }
    return 2;
}

int CommandLine::convert() const
{
    return withLoadedPuzzle(m_names.constFirst(), [this](Prompt &) { return SavePuzzle(m_value); });
}

int CommandLine::fitWords() const
{
    QTextStream err(stderr);
    std::vector<std::string> words;
    QString error;
    if (!readWordList(m_value, words, error)) {
        err << "Fehler: " << error << Qt::endl;
        return 1;
    }
    const int lines = int(words.size());
    return withLoadedPuzzle(m_names.value(1), [&](Prompt &) {
        FitWords(words, true);
        err << fittingMessage(int(words.size()), lines) << Qt::endl;
        for (const std::string &word : words)
            err << toQString(word) << Qt::endl;
        return SavePuzzle(m_names.constFirst());
    });
}

int CommandLine::generate() const
{
    QTextStream err(stderr);
    QString text;
    QString error;
    std::vector<GeneratorEntry> entries;
    if (!readWordListText(m_value, text, error) || !readGeneratorEntries(text, entries, error)) {
        err << "Fehler: " << error << Qt::endl;
        return 1;
    }
    return withLoadedPuzzle(m_names.value(1), [&](Prompt &prompt) {
        GeneratorOptions options;
        options.seed = m_seed;
        options.maxCols = m_cols;
        options.maxRows = m_rows;
        // Headless runs do their whole fixed amount of work, so the same list and seed give
        // the same file on a busy machine too; the bound only stops a run gone astray.
        options.budgetMs = 60000;
        const GeneratedLayout layout = generatePuzzle(entries, options);
        err << generatorFigures(layout, int(entries.size())) << Qt::endl;
        for (const QString &line : skippedEntryLines(layout, entries))
            err << line << Qt::endl;
        if (layout.words.empty()) {
            prompt.error(QStringLiteral("Keines der Wörter lässt sich einbauen; es wurde nichts "
                                        "gespeichert."));
            return false;
        }
        applyGeneratedLayout(layout, entries);
        return SavePuzzle(m_names.constFirst());
    });
}

int CommandLine::exportImage() const
{
    return withLoadedPuzzle(m_names.constFirst(), [this](Prompt &prompt) {
        const OutputSettings settings = documentSettings();
        ImageComposition composition;
        if (m_noLetters)
            composition.hideLetters();
        QString error;
        const bool done
                = composition.Draw(
                          settings, settings.isOn("CheckBox7"), settings.isOn("CheckBox8"), &error)
                  && ExportPicture(composition, m_value, error);
        if (!done)
            prompt.error(error);
        return done;
    });
}

int CommandLine::exportHtml() const
{
    return exportPage(GenerateHTML);
}

int CommandLine::exportWeb() const
{
    return exportPage(ExportWebPage);
}

int CommandLine::exportPage(QString (*write)(const QString &, const OutputSettings &)) const
{
    return withLoadedPuzzle(m_names.constFirst(), [this, write](Prompt &prompt) {
        const QString error = write(m_value, documentSettings());
        if (!error.isEmpty())
            prompt.error(error);
        return error.isEmpty();
    });
}

int CommandLine::exportIpuz() const
{
    return exportPage([](const QString &fileName, const OutputSettings &settings) {
        return ExportIpuz(fileName, settings.text("Edit12"));
    });
}

} // namespace gs
