#include "document/documentname.h"

#include "core/boardview.h"
#include "core/puzzle.h"

#include <QFileInfo>

namespace gs {

void ShowDocumentName(const QString &fileName)
{
    BoardView *view = View();
    if (!view)
        return;
    const QString caption = QString::fromLatin1(ProgramCaption);
    view->setCaption(fileName.isEmpty()
                             ? caption
                             : caption + QStringLiteral(" - ") + QFileInfo(fileName).fileName());
    view->setCurrentFileName(fileName);
}

} // namespace gs
