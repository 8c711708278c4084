#pragma once

#include <QString>

#include <string>

namespace gs {

// Replaces the open document by the file's content (document or older text format).
// Returns false when nothing was loaded (file unreadable or not a puzzle); messages go to the
// prompt.
bool LoadPuzzle(const QString &fileName);
// Writes the document and its plain ".xml" copy. Returns false when the save failed; the
// message went to the prompt and the document stays modified.
bool SavePuzzle(const QString &fileName);

} // namespace gs
