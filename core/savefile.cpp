#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace gs {

namespace {

// The German cause for the platform's text of a common failure, else the platform's own text.
// Qt reports a failed system call with the C library's text for its errno.
QString germanReason(const QString &platformText)
{
    static const struct
    {
        int code;
        const char *text;
    } reasons[] = {
            {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei."},
            {EDQUOT, "Das Speicherkontingent auf dem Datenträger ist erschöpft."},
            {EFBIG, "Die Datei würde größer, als das System erlaubt."},
            {EACCES, "Es fehlt die Berechtigung, dort zu schreiben."},
            {EPERM, "Es fehlt die Berechtigung, dort zu schreiben."},
            {ENOENT, "Der Ordner existiert nicht."},
            {ENOTDIR, "Der Ordner existiert nicht."},
            {EISDIR, "Dort gibt es schon einen Ordner dieses Namens."},
            {EROFS, "Der Datenträger ist schreibgeschützt."},
            {ENAMETOOLONG, "Der Dateiname ist zu lang."},
    };
    for (const auto &reason : reasons) {
        if (platformText == QString::fromLocal8Bit(std::strerror(reason.code)))
            return QString::fromUtf8(reason.text);
    }
    return platformText.endsWith(u'.') ? platformText : platformText + u'.';
}

} // namespace

bool writeFileSafely(const QString &fileName, std::string_view data, QString *reason)
{
    const auto fail = [reason](const QString &cause) {
        if (reason)
            *reason = cause;
        return false;
    };
    if (QFileInfo(fileName).isDir())
        return fail(germanReason(QString::fromLocal8Bit(std::strerror(EISDIR))));
    QSaveFile file(fileName);
    // Unbuffered, so that every write reports its own failure: a buffer flushed by commit()
    // can fail unnoticed, and the empty temporary file would then replace the old one.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (size_t done = 0; written && done < data.size();) {
        const qint64 count = file.write(data.data() + done, qint64(data.size() - done));
        written = count > 0;
        done += written ? size_t(count) : 0;
    }
    // An uncommitted file discards its temporary copy when it closes.
    if (!written || !file.flush())
        return fail(germanReason(file.errorString()));
    if (!file.commit()) {
        const QString cause = germanReason(file.errorString());
        // Putting the new file in place of the old can fail without a cause the platform names.
        return fail(cause.startsWith(file.errorString())
                            ? QStringLiteral("Die neue Datei kann nicht an die Stelle der alten "
                                             "treten (%1).")
                                      .arg(file.errorString())
                            : cause);
    }
    return true;
}

QString fileNotWritten(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
            .arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace gs
