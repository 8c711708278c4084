#pragma once

#include <QString>

namespace gs {

// Reads a puzzle in the older plain-text format (first line "Felderquiz", a fixed board of
// 23 x 13 fields column by column, then the clue numbers). Returns false when the file could
// not be read to its end; what was read stays in the puzzle.
bool ImportLegacyFile(const QString &fileName);

} // namespace gs
