// Placeholder until the board drawing lands.
#include "core/render.h"

#include "core/boardview.h"
#include "core/numbering.h"
#include "core/puzzle.h"

namespace gs {

TRect FieldRect(TPoint) { return {}; }
TPoint PixelToField(int, int) { return {}; }
int LetterFontSize(int) { return 14; }
TPoint SolutionNumberOffset() { return {}; }
TRect PuzzleBounds() { return {}; }
int rnd(double x) { return int(x); }
void RedrawBoard()
{
    if (View())
        View()->displayWarning(QString());
    for (int c = 1; c <= BoardCols(); ++c)
        for (int r = 1; r <= BoardRows(); ++r)
            CheckNumberOverlap(TPoint{c, r});
    UpdateSolutionWord();
}
void DrawRaster(Canvas &) {}
void DrawField(Canvas &, TPoint) {}
void FrameField(Canvas &, TPoint, QRgb, bool) {}
void DrawLetter(Canvas &, TPoint, const std::string &) {}
void DrawBorders(Canvas &, TPoint, bool, bool, bool, bool) {}
void DrawSolutionNumber(Canvas &, TPoint, int) {}
void DrawNumber(Canvas &, const TClueNumber &) {}
void FillBox(Canvas &, int, int, int, int, QRgb) {}
void DrawSolutionFrame(Canvas &, TPoint, TPoint) {}
int TextOutWrapped(bool, const std::string &, Canvas &, int, int, int) { return 0; }
void DrawLetterOnBoard(TPoint, const std::string &) {}
void DrawNumberOnBoard(const TClueNumber &) {}

} // namespace gs
