#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace gs {

namespace {

// The German cause for the platform's text of a common failure, otherwise the given text. Qt
// reports a failed system call with the C library's text for its errno.
QString germanCause(const QString &platformText, const QString &otherwise)
{
    static const struct
    {
        int code;
        const char *text;
    } causes[] = {
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
    for (const auto &cause : causes) {
        if (platformText == QString::fromLocal8Bit(std::strerror(cause.code)))
            return QString::fromUtf8(cause.text);
    }
    return otherwise;
}

} // namespace

bool writeFileSafely(const QString &fileName, std::string_view data, QString *reason)
{
    const auto fail = [reason](const QString &cause) {
        if (reason)
            *reason = cause;
        return false;
    };
    // QSaveFile names a folder in the file's place in words of its own.
    if (QFileInfo(fileName).isDir()) {
        const QString folder = QString::fromLocal8Bit(std::strerror(EISDIR));
        return fail(germanCause(folder, folder));
    }
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
    if (!written || !file.flush()) {
        const QString text = file.errorString();
        return fail(germanCause(text, text.endsWith(u'.') ? text : text + u'.'));
    }
    if (!file.commit()) {
        // Putting the new file in place of the old can fail without a cause the platform names.
        const QString text = file.errorString();
        return fail(germanCause(text,
                                QStringLiteral("Die neue Datei kann nicht an die Stelle der alten "
                                               "treten (%1).")
                                        .arg(text)));
    }
    return true;
}

QString writeFileReporting(const QString &fileName, std::string_view data)
{
    QString reason;
    if (writeFileSafely(fileName, data, &reason))
        return QString();
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
            .arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace gs
