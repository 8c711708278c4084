#pragma once

#include "core/cluenumber.h"
#include "core/point.h"
#include "core/rect.h"

#include <QRgb>

#include <string>

namespace gs {

class Canvas;

// Board geometry: fields overlap by one pixel, so the pitch is FieldSize - 1.
TRect FieldRect(TPoint p);
TPoint PixelToField(int x, int y);
int LetterFontSize(int fieldSize);
TPoint SolutionNumberOffset();
TRect PuzzleBounds();

// Round to the nearest integer, halves to the even neighbour.
int rnd(double x);

// Full repaint of the editor's board image (BoardImage()).
void RedrawBoard();
void DrawRaster(Canvas &canvas);

void DrawField(Canvas &canvas, TPoint p);
void FrameField(Canvas &canvas, TPoint p, QRgb color, bool filled);
void DrawLetter(Canvas &canvas, TPoint p, const std::string &letter);
void DrawBorders(Canvas &canvas, TPoint p, bool left, bool right, bool top, bool bottom);
void DrawSolutionNumber(Canvas &canvas, TPoint p, int n);
void DrawNumber(Canvas &canvas, const TClueNumber &number);
void FillBox(Canvas &canvas, int left, int top, int right, int bottom, QRgb color);
void DrawSolutionFrame(Canvas &canvas, TPoint startField, TPoint endField);
int TextOutWrapped(bool draw, const std::string &text, Canvas &canvas, int x0, int y0, int maxWidth);

// Draws on the editor's board image without a full repaint and tells the view.
void DrawLetterOnBoard(TPoint p, const std::string &letter);
void DrawNumberOnBoard(const TClueNumber &number);

} // namespace gs
