#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class QCoreApplication;
class QCommandLineParser;

namespace gs {

// The program's command line: "gitterstern [FILE]" opens FILE in the editor; the headless
// tasks work without showing a window: "--convert OUT IN" converts a document,
// "--fit-words WORDS OUT [IN]" fits a word list into a document, "--generate WORDS OUT [IN]"
// builds a puzzle from a word list with definitions, "--export-image OUT IN"
// writes its picture and "--export-html OUT.htm IN" its web page.
class CommandLine
{
public:
    enum class Task { Edit, Convert, FitWords, Generate, ExportImage, ExportHtml };

    // Reads the arguments before any application object exists, so that --help and the
    // headless tasks work without a display. Prints the usage and ends the process for --help
    // and for a malformed headless call (exit code 2). The toolkit's own options (-platform,
    // -style, ...) are left for the application object.
    CommandLine(int argc, char *argv[]);

    // The document to open at start, read from the arguments that the application object
    // left after taking its own options; empty when none was given. Further names are ignored.
    static QString fileName(const QCoreApplication &application);

    Task task() const { return m_task; }
    // Runs the headless task inside the application object that main made (a graphical one
    // for the picture export, which needs fonts). Loads the source as "Öffnen" does, with every
    // message on stderr; after a load that reported an error nothing is written. Returns the
    // process exit code: 0 when the task's file was written.
    int run() const;

private:
    int convert() const;
    // As the assistant's "Felderquiz generieren" with numbers, then "Übernehmen" and
    // "Speichern"; the message line and the unplaced words go to stderr.
    int fitWords() const;
    // A puzzle from the word list as the generator lays it, with --seed and --size, on FILE's
    // settings or a new puzzle; the figures and the entries left out go to stderr.
    int generate() const;
    // --seed and --size, which only --generate takes; ends the process with a message (exit
    // code 2) when they are malformed or given to another task.
    void readGeneratorOptions(const QCommandLineParser &parser);
    // The picture of "Bildausgabe" with the document's own output settings.
    int exportImage() const;
    // The web page (and "arc.gif" when used) as the export window's "Speichern" writes it.
    int exportHtml() const;

    Task m_task = Task::Edit;
    // The option's value and the positional names after it.
    QString m_value;
    QStringList m_names;
    std::uint64_t m_seed = 1;
    int m_cols = 49;
    int m_rows = 39;
};

} // namespace gs
