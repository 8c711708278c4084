#pragma once

#include <QString>

#include <string_view>

namespace gs {

// Writes data to fileName through a temporary file that replaces it only when every byte was
// written, so a failure leaves an existing file as it was. False when that failed; reason (when
// given) then gets the platform's description.
bool writeFileSafely(const QString &fileName, std::string_view data, QString *reason = nullptr);

} // namespace gs
