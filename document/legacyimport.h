#pragma once

#include <QByteArray>
#include <QString>

namespace gs {

// Replaces the puzzle by the content of fileName in the older plain-text format (first line
// "Felderquiz", a fixed board of 23 x 13 fields column by column, then the clue numbers).
// Returns false when the content ends early or holds a bad number; what was read stays in the
// puzzle, which is then left unnamed and modified.
bool ImportLegacyFile(const QString &fileName, const QByteArray &content);

} // namespace gs
