#pragma once

#include <QProcess>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

// Lets the calling process write files of at most limit bytes: a longer write fails as on a
// full disk (with EFBIG, the signal that would end the process ignored). A limit of -1 lifts it.
// Only the soft limit moves, so that lifting it needs no privilege.
inline void limitFileSize(qint64 limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    fileSize.rlim_cur = limit < 0 ? fileSize.rlim_max : rlim_t(limit);
    setrlimit(RLIMIT_FSIZE, &fileSize);
}

// Runs the program with the arguments and no display at all; returns its exit code (-1 when it
// does not end within 30 s) and, if asked, what it wrote to stdout and stderr. A file size
// limit (bytes) lets every longer write of the program fail.
inline int
runProgram(const QStringList &arguments, QString *output = nullptr, qint64 fileSizeLimit = -1)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    if (fileSizeLimit >= 0)
        process.setChildProcessModifier([fileSizeLimit] { limitFileSize(fileSizeLimit); });
    process.start(QStringLiteral(GS_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput()
                                    + process.readAllStandardError());
    return process.exitCode();
}
