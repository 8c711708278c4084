#pragma once

#include <QString>

namespace gs {

// Caption and current file name for a document that was loaded from or saved to fileName;
// an empty name stands for a new, unnamed document.
void ShowDocumentName(const QString &fileName);
// After the puzzle was replaced from fileName: the editor names it, shows it from its start
// with its settings, and counts it unchanged.
void ShowLoadedDocument(const QString &fileName);

} // namespace gs
