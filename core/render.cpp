#include "core/render.h"

#include "core/boardview.h"
#include "core/canvas.h"
#include "core/numbering.h"
#include "core/puzzle.h"

#include <algorithm>
#include <climits>
#include <string>

namespace gs {

namespace {

// Pixel positions are kept within this bound so that adding sizes to them cannot overflow.
constexpr long long MaxCoordinate = 1 << 29;

// How far PuzzleBounds can reach along a side of count fields: the far edge of the last field,
// the frame pen and the solution frame (each under one field size) and one pixel per separator
// on the outer edge, with fields of at most MaxDrawnFieldSize.
constexpr int maxBoundsExtent(int count, int otherCount)
{
    return count * (MaxDrawnFieldSize - 1) + 3 * MaxDrawnFieldSize + otherCount;
}
// The loader keeps every field, number and frame end within the editing area and the field size
// within MaxDrawnFieldSize, so PuzzleBounds reaches at most 5,290 x 4,310 pixels. RedrawBoard
// adds the visible area, the scroll position (at most the extent plus 40, see the main window's
// CheckScrolling) and 50. Without a view (exports, conversion) the picture is therefore at most
// 5,340 x 4,360 pixels (93 MB); in the editor, with a visible area of up to 4,096 pixels, at most
// 14,766 x 12,806 pixels, reached only when a full board of 100-pixel fields is scrolled to its
// far corner (the editor's own field sizes, up to 50, give a quarter of that).
constexpr int MaxVisibleSide = 4096;
constexpr int MaxImageWidth = 2 * maxBoundsExtent(MaxCols, MaxRows) + MaxVisibleSide + 90;
constexpr int MaxImageHeight = 2 * maxBoundsExtent(MaxRows, MaxCols) + MaxVisibleSide + 90;

int fieldSize()
{
    return Puzzle.FieldSize;
}

int borderWidth()
{
    return Puzzle.BorderWidth;
}

// Whether the current field size and frame width can be drawn at all.
bool geometryUsable()
{
    return fieldSize() >= 2 && fieldSize() <= MaxDrawnFieldSize && borderWidth() >= 0
           && borderWidth() <= MaxDrawnFieldSize;
}

// Left or top pixel of the field in column or row index.
int fieldEdge(int index)
{
    const long long edge = (static_cast<long long>(index) - 1) * (fieldSize() - 1);
    return int(std::clamp(edge, -MaxCoordinate, MaxCoordinate));
}

// Smallest integer not below x / d, for d > 0.
int ceilDiv(int x, int d)
{
    return x / d + ((x % d != 0 && x > 0) ? 1 : 0);
}

// The column left of or the row above index (positions from damaged files may be anything).
int previous(int index)
{
    return index > INT_MIN ? index - 1 : index;
}

// A field that is drawn as a solid black square.
bool isDrawnBlock(TPoint p)
{
    const TBoardField field = GetField(p);
    return field.Block && !field.Letter.empty();
}

bool isSet(TPoint p)
{
    return !IsNoField(p);
}

// Whether a drawing with options shows the field at p.
bool drawsField(TPoint p, const RenderOptions &options)
{
    return options.provisionalFields ? !GetLetter(p).empty() : !IsBlankField(p);
}

// Draws on the editor's board image without a full repaint, and tells the view.
template<class Draw>
void drawOnBoard(Draw draw)
{
    if (BoardImage().isNull())
        return;
    {
        Canvas canvas(BoardImage());
        draw(canvas);
    }
    if (View())
        View()->boardImageChanged();
}

} // namespace

TRect FieldRect(TPoint p)
{
    const int left = fieldEdge(p.X);
    const int top = fieldEdge(p.Y);
    return TRect{left, top, left + fieldSize(), top + fieldSize()};
}

TPoint PixelToField(int x, int y)
{
    if (!geometryUsable())
        return TPoint{0, 0};
    const int pitch = fieldSize() - 1;
    return TPoint{ceilDiv(x, pitch), ceilDiv(y, pitch)};
}

int LetterFontSize(int fieldSize)
{
    return rnd(fieldSize / 2.14);
}

int NumberFontSize(int fieldSize)
{
    return rnd(fieldSize / 3.75);
}

int SolutionNumberFontSize(int fieldSize)
{
    return rnd(fieldSize / 4.5);
}

TPoint SolutionNumberOffset()
{
    const int fs = fieldSize();
    if (!geometryUsable())
        return TPoint{0, 0};
    if (fs < 32)
        return TPoint{0, 2 - rnd(64.0 / fs)};
    return TPoint{rnd(fs / 4.0) - 8, rnd(fs / 2.0) - 16};
}

RenderOptions ViewRenderOptions()
{
    const BoardView *view = View();
    return RenderOptions{LettersShown(), NumbersDrawnInside(), view && view->rasterShown(), true};
}

TRect PuzzleBounds(const RenderOptions &options)
{
    if (!geometryUsable())
        return TRect{};
    int minCol = MaxCols;
    int minRow = MaxRows;
    int maxCol = 0;
    int maxRow = 0;
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (!drawsField(TPoint{col, row}, options))
                continue;
            minCol = std::min(minCol, col);
            maxCol = std::max(maxCol, col);
            minRow = std::min(minRow, row);
            maxRow = std::max(maxRow, row);
        }
    }
    if (maxCol == 0)
        return TRect{};

    if (!options.numbersInside) {
        for (const TClueNumber &number : Puzzle.Numbers) {
            minCol = std::min(minCol, previous(number.Col));
            minRow = std::min(minRow, previous(number.Row));
        }
    }

    const int bw = borderWidth();
    TRect bounds{FieldRect(TPoint{minCol, 1}).Left,
                 FieldRect(TPoint{1, minRow}).Top,
                 FieldRect(TPoint{maxCol, 1}).Right,
                 FieldRect(TPoint{1, maxRow}).Bottom};
    bounds.Left -= bw / 2;
    bounds.Top -= bw / 2;
    bounds.Right += (bw - 1) / 2;
    bounds.Bottom += (bw - 1) / 2;

    // The solution frame lies outside the fields it surrounds; separators on the outer edges
    // stick out by a pixel unless the frame covers them.
    const TPoint start = Puzzle.StartField;
    const TPoint end = Puzzle.EndField;
    const bool framed = isSet(start) && isSet(end);
    const bool frameAtMinCol = framed && (start.X == minCol || end.X == minCol);
    const bool frameAtMaxCol = framed && (start.X == maxCol || end.X == maxCol);
    const bool frameAtMinRow = framed && (start.Y == minRow || end.Y == minRow);
    const bool frameAtMaxRow = framed && (start.Y == maxRow || end.Y == maxRow);
    const int frameAllowance = (bw - 1) / 2 + 1;
    if (frameAtMinCol)
        bounds.Left -= frameAllowance;
    if (frameAtMinRow)
        bounds.Top -= frameAllowance;
    if (frameAtMaxCol)
        bounds.Right += frameAllowance;
    if (frameAtMaxRow)
        bounds.Bottom += frameAllowance;

    for (int row = 1; row <= BoardRows(); ++row) {
        if (!frameAtMinCol && GetField(TPoint{minCol, row}).BorderLeft)
            --bounds.Left;
        if (!frameAtMaxCol && GetField(TPoint{maxCol, row}).BorderRight)
            ++bounds.Right;
    }
    for (int col = 1; col <= BoardCols(); ++col) {
        if (!frameAtMinRow && GetField(TPoint{col, minRow}).BorderTop)
            --bounds.Top;
        if (!frameAtMaxRow && GetField(TPoint{col, maxRow}).BorderBottom)
            ++bounds.Bottom;
    }
    return bounds;
}

void DrawBoard(Canvas &canvas, const RenderOptions &options)
{
    if (options.raster)
        DrawRaster(canvas);
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (drawsField(TPoint{col, row}, options))
                DrawField(canvas, TPoint{col, row}, options);
        }
    }
    for (const TClueNumber &number : Puzzle.Numbers)
        DrawNumber(canvas, number, options);
    DrawSolutionFrame(canvas, Puzzle.StartField, Puzzle.EndField);
    if (options.selection) {
        FrameField(canvas,
                   SelectedField,
                   IsBlankField(SelectedField) ? SelectionGrey : SelectionBlue,
                   false);
    }
}

void RedrawBoard()
{
    BoardView *view = View();
    if (view)
        view->displayWarning(QString());

    const RenderOptions options = ViewRenderOptions();
    const TRect bounds = PuzzleBounds(options);
    const QSize visible = view ? view->visibleBoardSize() : QSize(0, 0);
    const QPoint scroll = view ? view->scrollPosition() : QPoint(0, 0);
    const auto side = [](long long length, int limit) {
        return int(std::clamp<long long>(length, 1, limit));
    };
    const QSize size(
            side(0LL + bounds.Right + visible.width() + scroll.x() + 50, MaxImageWidth),
            side(0LL + bounds.Bottom + visible.height() + scroll.y() + 50, MaxImageHeight));
    QImage &image = BoardImage();
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);

    {
        Canvas canvas(image);
        canvas.fillRect(0, 0, size.width(), size.height(), BoardWhite);
        DrawBoard(canvas, options);
    }
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row)
            CheckNumberOverlap(TPoint{col, row});
    }
    UpdateSolutionWord();
    if (view)
        view->boardImageChanged();
}

void DrawRaster(Canvas &canvas)
{
    if (!geometryUsable())
        return;
    // The outlines of all MaxCols x MaxRows fields: neighbours share their lines, so the
    // raster is drawn line by line.
    const int right = fieldEdge(MaxCols + 1);
    const int bottom = fieldEdge(MaxRows + 1);
    for (int col = 1; col <= MaxCols + 1; ++col)
        canvas.fillRect(fieldEdge(col), 0, fieldEdge(col) + 1, bottom + 1, RasterGrey);
    for (int row = 1; row <= MaxRows + 1; ++row)
        canvas.fillRect(0, fieldEdge(row), right + 1, fieldEdge(row) + 1, RasterGrey);
    canvas.setPen(BoardBlack, canvas.penWidth());
}

void DrawField(Canvas &canvas, TPoint p, const RenderOptions &options)
{
    if (IsNoField(p) || !geometryUsable())
        return;
    const TBoardField field = GetField(p);
    if (field.Letter.empty())
        return;
    FrameField(canvas, p, BoardBlack, field.Block);
    DrawLetter(canvas, p, field.Letter, options);
    DrawBorders(
            canvas, p, field.BorderLeft, field.BorderRight, field.BorderTop, field.BorderBottom);
    if (field.SolutionNumber > 0)
        DrawSolutionNumber(canvas, p, field.SolutionNumber);
}

void FrameField(Canvas &canvas, TPoint p, QRgb color, bool filled)
{
    if (!geometryUsable())
        return;
    const TRect r = FieldRect(p);
    if (filled)
        canvas.fillRect(r.Left, r.Top, r.Right, r.Bottom, BoardBlack);
    canvas.setPen(color, borderWidth());
    canvas.rectangle(r.Left, r.Top, r.Right, r.Bottom);
}

void DrawLetter(Canvas &canvas, TPoint p, const std::string &letter, const RenderOptions &options)
{
    if (!options.letters || !geometryUsable())
        return;
    const int fs = fieldSize();
    const TRect r = FieldRect(p);
    canvas.setFontSize(LetterFontSize(fs));
    canvas.setBold(false);
    canvas.setFontColor(BoardBlack);
    // "-" marks a field without a letter; like a blank it leaves no trace.
    if (letter.empty() || letter == "-" || letter == " ")
        return;
    const int tw = canvas.textWidth(letter);
    const int th = canvas.textHeight(letter);
    canvas.textOut(r.Left + 1 + fs / 2 - tw / 2 - 2, r.Top + 1 + fs / 2 - th / 2, letter);
}

void DrawBorders(Canvas &canvas, TPoint p, bool left, bool right, bool top, bool bottom)
{
    if (!geometryUsable())
        return;
    const int bw = borderWidth();
    TRect r = FieldRect(p);
    r.Left -= bw / 2;
    r.Top -= bw / 2;
    r.Right += (bw - 1) / 2;
    r.Bottom += (bw - 1) / 2;
    if (left)
        canvas.fillRect(r.Left - bw, r.Top, r.Left + bw + 1, r.Bottom, BoardBlack);
    if (right)
        canvas.fillRect(r.Right - bw - 1, r.Top, r.Right + bw, r.Bottom, BoardBlack);
    if (top)
        canvas.fillRect(r.Left, r.Top - bw, r.Right, r.Top + bw + 1, BoardBlack);
    if (bottom)
        canvas.fillRect(r.Left, r.Bottom - bw - 1, r.Right, r.Bottom + bw, BoardBlack);
}

void DrawSolutionNumber(Canvas &canvas, TPoint p, int n)
{
    if (!geometryUsable())
        return;
    const int fs = fieldSize();
    const std::string text = n == -1 ? std::string() : std::to_string(n);
    const TRect r = FieldRect(p);
    canvas.setFontSize(SolutionNumberFontSize(fs));
    const int tw = canvas.textWidth(text);

    canvas.setPen(BoardBlack, 2);
    const double k = 0.75 - double(tw) / fs;
    canvas.arc(r.Left + 2,
               r.Top + 2,
               r.Left + 1 + rnd(0.9 * fs),
               r.Top + 1 + rnd(0.9 * fs),
               r.Left + 1 + rnd(1.4 * fs),
               r.Top + 1 + rnd(0.6 * fs),
               r.Left + 1 + rnd(k * fs),
               r.Top + 1 + fs);
    canvas.setPen(BoardBlack, 1);

    const TPoint offset = SolutionNumberOffset();
    canvas.textOut(r.Right - tw - 3 - offset.X, r.Bottom - 12 - offset.Y, text);
}

void DrawNumber(Canvas &canvas, const TClueNumber &number, const RenderOptions &options)
{
    if (!geometryUsable())
        return;
    const int fs = fieldSize();
    const int bw = borderWidth();
    const std::string text = std::to_string(number.Num);
    const TRect r = FieldRect(TPoint{number.Col, number.Row});

    const int savedSize = canvas.fontSize();
    canvas.setPen(BoardBlack, canvas.penWidth());
    canvas.setFontSize(NumberFontSize(fs));
    canvas.setBold(true);
    canvas.setFontColor(BoardBlack);
    const int tw = canvas.textWidth(text);
    const int th = canvas.textHeight(text);

    if (options.numbersInside) {
        canvas.textOut(r.Left + 3, r.Top + 1, text);
    } else if (number.Hor) {
        // Standing in the left neighbour's field, underlined by a tick pointing at the word.
        const TPoint before{previous(number.Col), number.Row};
        const QRgb color = before.X >= 1 && isDrawnBlock(before) ? BoardWhite : BoardBlack;
        const int x0 = r.Left - rnd(fs / 2.0);
        const int y0 = r.Top + fs / 2 + th / 2 + rnd(fs / 10.0);
        FillBox(canvas, x0, y0, x0 + rnd(fs / 3.0), y0 + bw, color);
        canvas.setFontColor(color);
        canvas.textOut(x0 - tw + rnd(fs / 15.0), r.Top + fs / 2 - th / 2, text);
    } else {
        // Standing in the field above, with a vertical stroke to its right.
        const TPoint above{number.Col, previous(number.Row)};
        const QRgb color = above.Y >= 1 && isDrawnBlock(above) ? BoardWhite : BoardBlack;
        const int x0 = r.Left + fs / 2 + tw / 2 + rnd(fs / 10.0);
        const int y0 = r.Top - rnd(fs / 1.76);
        FillBox(canvas, x0, y0, x0 + bw, y0 + rnd(fs / 2.31), color);
        canvas.setFontColor(color);
        canvas.textOut(x0 - tw - rnd(fs / 5.75), y0 - rnd(fs / 6.0), text);
    }

    canvas.setFontSize(savedSize);
    canvas.setBold(false);
    canvas.setFontColor(BoardBlack);
}

void FillBox(Canvas &canvas, int left, int top, int right, int bottom, QRgb color)
{
    canvas.fillRect(left, top, right, bottom, color);
}

void DrawSolutionFrame(Canvas &canvas, TPoint startField, TPoint endField)
{
    if (!isSet(startField) || !isSet(endField) || !geometryUsable())
        return;
    const bool forward = startField.X <= endField.X && startField.Y <= endField.Y;
    const TRect first = FieldRect(forward ? startField : endField);
    const TRect last = FieldRect(forward ? endField : startField);
    const int bw = borderWidth();
    const int m = (bw - 1) / 2 + 1;
    canvas.setPen(BoardBlack, bw);
    canvas.rectangle(first.Left - m, first.Top - m, last.Right + m, last.Bottom + m);
}

int TextOutWrapped(bool draw, const std::string &text, Canvas &canvas, int x0, int y0, int maxWidth)
{
    const int spaceWidth = canvas.textWidth(" ");
    const int lineHeight = canvas.textHeight(" ");
    int x = x0;
    int y = y0;
    size_t begin = 0;
    while (true) {
        const size_t blank = text.find(' ', begin);
        const std::string word
                = text.substr(begin, blank == std::string::npos ? blank : blank - begin);
        const int width = canvas.textWidth(word);
        if (x - x0 + width >= maxWidth && width < maxWidth) {
            x = x0;
            y += lineHeight;
            continue; // the word starts the next line; it fits there
        }
        if (draw)
            canvas.textOut(x, y, word);
        x += width + spaceWidth;
        if (blank == std::string::npos || blank + 1 >= text.size())
            break;
        begin = blank + 1;
    }
    return y - y0 + lineHeight;
}

void DrawLetterOnBoard(TPoint p, const std::string &letter)
{
    drawOnBoard([&](Canvas &canvas) { DrawLetter(canvas, p, letter); });
}

void DrawNumberOnBoard(const TClueNumber &number)
{
    drawOnBoard([&](Canvas &canvas) { DrawNumber(canvas, number); });
}

} // namespace gs
