#include "core/savefile.h"

#include <QSaveFile>

namespace gs {

bool writeFileSafely(const QString &fileName, std::string_view data, QString *reason)
{
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(data.data(), qint64(data.size())) == qint64(data.size())
                         && file.commit();
    // An uncommitted file discards its temporary copy when it closes.
    if (!written && reason)
        *reason = file.errorString();
    return written;
}

} // namespace gs
