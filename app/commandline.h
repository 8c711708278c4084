#pragma once

#include <QString>

class QCoreApplication;

namespace gs {

// The program's command line: "gitterstern [FILE]". --help prints the usage and ends the
// process, as does an unknown option.
class CommandLine
{
public:
    explicit CommandLine(const QCoreApplication &application);

    // The document to open at start; empty when none was given. Further names are ignored.
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

} // namespace gs
