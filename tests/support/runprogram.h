#pragma once

#include <QProcess>
#include <QStringList>

// Runs the program with the arguments and no display at all; returns its exit code (-1 when it
// does not end within 30 s) and, if asked, what it wrote to stdout and stderr.
inline int runProgram(const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(GS_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput()
                                    + process.readAllStandardError());
    return process.exitCode();
}
