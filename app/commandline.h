#pragma once

#include <QString>

class QCoreApplication;

namespace gs {

// The program's command line: "gitterstern [FILE]" opens FILE in the editor;
// "gitterstern --convert OUT IN" converts a document without showing a window;
// "gitterstern --fit-words WORDS OUT [IN]" fits a word list into a document without a window.
class CommandLine
{
public:
    // Reads the arguments before any application object exists, so that --help and the
    // headless conversion work without a display. Prints the usage and ends the process for
    // --help and for a malformed conversion call. The toolkit's own options (-platform,
    // -style, ...) are left for the application object.
    CommandLine(int argc, char *argv[]);

    // The document to open at start, read from the arguments that the application object
    // left after taking its own options; empty when none was given. Further names are ignored.
    static QString fileName(const QCoreApplication &application);

    bool isConversion() const { return !m_convertTarget.isEmpty(); }
    // Loads the conversion's source as "Öffnen" does and saves it as "Speichern" does. Every
    // message goes to stderr; the result is the process exit code, 0 when no error came up.
    int convert() const;

    bool isWordFitting() const { return !m_fitTarget.isEmpty(); }
    // Fits the word list into the source (a new puzzle without one) as the assistant's
    // "Felderquiz generieren" with numbers and "Übernehmen" do, and saves the result as
    // "Speichern" does. The message line, the unplaced words and every message go to stderr;
    // the result is the process exit code, 0 when the result was saved.
    int fitWords() const;

private:
    QString m_convertSource;
    QString m_convertTarget;
    QString m_wordList;
    QString m_fitSource;
    QString m_fitTarget;
};

} // namespace gs
