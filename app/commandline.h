#pragma once

#include <QString>

class QCoreApplication;

namespace gs {

// The program's command line: "gitterstern [FILE]".
class CommandLine
{
public:
    // Prints the usage and ends the process when -h or --help is given. Runs before the
    // application object exists, so that it works without a display.
    static void showHelpIfAsked(int &argc, char *argv[]);

    // Reads the arguments that the application left after taking its own options (-platform,
    // -style, ...). An unknown option prints a message and ends the process.
    explicit CommandLine(const QCoreApplication &application);

    // The document to open at start; empty when none was given. Further names are ignored.
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

} // namespace gs
