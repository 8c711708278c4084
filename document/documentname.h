#pragma once

#include <QString>

namespace gs {

// Caption and current file name for a document that was loaded from or saved to fileName;
// an empty name stands for a new, unnamed document.
void ShowDocumentName(const QString &fileName);

} // namespace gs
