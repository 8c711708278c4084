#pragma once

#include <QString>

#include <string_view>

namespace gs {

// Writes data to fileName through a temporary file in the same folder that replaces it only when
// every byte reached the file system, so a failure (a full disk among them) leaves an existing
// file byte-identical. False when that failed; reason (when given) then gets the cause in German.
bool writeFileSafely(const QString &fileName, std::string_view data, QString *reason = nullptr);

// Writes data as writeFileSafely does. Returns an empty text, or "Die Datei NAME kann nicht
// geschrieben werden: CAUSE" with the name in the platform's form when that failed.
QString writeFileReporting(const QString &fileName, std::string_view data);

} // namespace gs
