#pragma once

#include "core/cluenumber.h"
#include "core/point.h"
#include "core/rect.h"
#include "core/rounding.h"

#include <QRgb>

#include <string>

namespace gs {

class Canvas;

// Colours of the board drawing.
inline constexpr QRgb BoardBlack = 0xFF000000;
inline constexpr QRgb BoardWhite = 0xFFFFFFFF;
inline constexpr QRgb SelectionBlue = 0xFF0000FF;
inline constexpr QRgb SelectionGrey = 0xFF939393;
inline constexpr QRgb RasterGrey = 0xFFBCBCBC;

// The largest field size that is drawn, twice the largest the editor offers; the loader
// replaces larger ones, so they come only from code that skips it.
inline constexpr int MaxDrawnFieldSize = 100;

// Board geometry: fields overlap by one pixel, so the pitch is FieldSize - 1. Field sizes
// below 2 (and above MaxDrawnFieldSize), and frame widths above MaxDrawnFieldSize, draw nothing
// and hit no field.
TRect FieldRect(TPoint p);
TPoint PixelToField(int x, int y);
// Point sizes of letters, clue numbers and solution-letter numbers for a field size.
int LetterFontSize(int fieldSize);
int NumberFontSize(int fieldSize);
int SolutionNumberFontSize(int fieldSize);
TPoint SolutionNumberOffset();
// What a drawing of the board shows, apart from the puzzle itself.
struct RenderOptions
{
    bool letters = true;           // "Buchstaben zeichnen"
    bool numbersInside = false;    // "Nummern in Kästchen"
    bool raster = false;           // the grey 50 x 40 raster
    bool selection = false;        // the selection mark on SelectedField
    bool provisionalFields = true; // fields holding only a blank
};

// The options the editor's view shows (letters and numbers inside as LettersShown and
// NumbersDrawnInside say), with raster and selection mark.
RenderOptions ViewRenderOptions();

// Everything DrawBoard draws for the puzzle; (0, 0, 0, 0) for a board without fields.
TRect PuzzleBounds(const RenderOptions &options = ViewRenderOptions());

// Draws the whole puzzle as options say onto canvas, which the caller has cleared.
void DrawBoard(Canvas &canvas, const RenderOptions &options);
// Full repaint of the editor's board image (BoardImage()) with the view's options, then the
// checks that run with it.
void RedrawBoard();
// The grey 50 x 40 raster of the editor's image.
void DrawRaster(Canvas &canvas);

void DrawField(Canvas &canvas, TPoint p, const RenderOptions &options = ViewRenderOptions());
void FrameField(Canvas &canvas, TPoint p, QRgb color, bool filled);
void DrawLetter(Canvas &canvas,
                TPoint p,
                const std::string &letter,
                const RenderOptions &options = ViewRenderOptions());
void DrawBorders(Canvas &canvas, TPoint p, bool left, bool right, bool top, bool bottom);
// The circled solution-letter number n; n = -1 draws the circle alone.
void DrawSolutionNumber(Canvas &canvas, TPoint p, int n);
void DrawNumber(Canvas &canvas,
                const TClueNumber &number,
                const RenderOptions &options = ViewRenderOptions());
void FillBox(Canvas &canvas, int left, int top, int right, int bottom, QRgb color);
void DrawSolutionFrame(Canvas &canvas, TPoint startField, TPoint endField);
// Greedy word wrap at single blanks within maxWidth, drawn only when draw is set; returns the
// height used.
int TextOutWrapped(
        bool draw, const std::string &text, Canvas &canvas, int x0, int y0, int maxWidth);

// Draw on the editor's board image without a full repaint and tell the view.
void DrawLetterOnBoard(TPoint p, const std::string &letter);
void DrawNumberOnBoard(const TClueNumber &number);

} // namespace gs
