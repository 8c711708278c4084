#include "document/documentview.h"

#include "core/boardview.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "core/render.h"

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

void ShowLoadedDocument(const QString &fileName)
{
    ShowDocumentName(fileName);
    if (BoardView *view = View()) {
        view->scrollToOrigin();
        view->setFieldSizeSpin(Puzzle.FieldSize);
        view->setBorderWidthSpin(Puzzle.BorderWidth);
        view->setNumbersInsideChecked(Puzzle.NumbersInside);
        view->setLettersShown(true);
        view->setStartFieldText(toQString(GetLetter(Puzzle.StartField)));
        view->setEndFieldText(toQString(GetLetter(Puzzle.EndField)));
    }
    CheckSolutionFrame();
    SelectedField = TPoint{-1, -1};
    // The repaint also rebuilds the distributed solution word.
    RedrawBoard();
    if (BoardView *view = View())
        view->checkScrolling();
    Modified = false;
}

} // namespace gs
