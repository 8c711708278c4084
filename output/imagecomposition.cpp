#include "output/imagecomposition.h"

#include "core/canvas.h"
#include "core/puzzle.h"
#include "output/outputsettings.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace gs {

namespace {

// Pictures beyond these come only from absurd field sizes; they would not fit in memory.
constexpr long long MaxPictureSide = 30000;
constexpr long long MaxPicturePixels = 100'000'000;

constexpr int TitleGap = 30;
constexpr int DefinitionsGap = 50;
constexpr int DefinitionsMargin = 10;
constexpr int NarrowDefinitionsWidth = 500;

bool fits(long long width, long long height)
{
    return width <= MaxPictureSide && height <= MaxPictureSide
           && width * height <= MaxPicturePixels;
}

// The width of a rectangle and the left edge that centres that width over a wider one.
int width(const TRect &r)
{
    return r.Right - r.Left;
}

void centre(TRect &board, int pictureWidth)
{
    const int boardWidth = width(board);
    board.Left = pictureWidth / 2 - boardWidth / 2;
    board.Right = board.Left + boardWidth;
}

// A white picture of size in image, keeping its memory when the size is the same (a large
// picture costs more to allocate than to draw).
void reuse(QImage &image, QSize size)
{
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);
    image.fill(Qt::white);
}

} // namespace

bool ImageComposition::Draw(const OutputSettings &settings,
                            bool showTitle,
                            bool showDefinitions,
                            QString *error)
{
    m_title = settings.text("Edit12");
    m_showTitle = showTitle;
    m_showDefinitions = showDefinitions && !Puzzle.Numbers.empty();
    m_boxed = settings.isOn("CheckBox4");
    m_columns = std::clamp(settings.spin("SpinEdit1"), 1, 4);
    m_options = ViewRenderOptions();
    m_options.raster = false;
    m_options.selection = false;
    m_options.provisionalFields = false;
    m_options.letters = m_options.letters && !m_lettersHidden;

    const auto tooLarge = [this, error] {
        m_image = QImage();
        if (error)
            *error = QStringLiteral("Das Bild wäre zu groß (höchstens %1 × %1 Pixel).")
                             .arg(MaxPictureSide);
        return false;
    };
    const TRect bounds = PuzzleBounds(m_options);
    const int boardWidth = std::max(bounds.Right, 0);
    const int boardHeight = std::max(bounds.Bottom, 0);
    if (!fits(boardWidth, boardHeight))
        return tooLarge();
    QImage &board = m_boardImage;
    reuse(board, QSize(std::max(boardWidth, 1), std::max(boardHeight, 1)));
    TitleSize title;
    DefinitionsSize definitions;
    {
        Canvas canvas(board);
        if (boardWidth > 0 && boardHeight > 0)
            DrawBoard(canvas, m_options);
        title = Title(canvas, false, 0);

        m_crop = NonWhiteBounds(board);
        m_board = TRect{0, title.height, width(m_crop), title.height + m_crop.Bottom - m_crop.Top};
        int pictureWidth = m_board.Right;
        int pictureHeight = m_board.Bottom;
        if (m_showTitle && pictureWidth < title.width) {
            pictureWidth = title.width;
            centre(m_board, pictureWidth);
        }
        if (m_showDefinitions) {
            definitions = Definitions(canvas, false, m_board, pictureWidth);
            if (pictureWidth < definitions.width) {
                pictureWidth = definitions.width;
                centre(m_board, pictureWidth);
            }
            pictureHeight = definitions.height + 1;
        }
        if (!fits(pictureWidth, pictureHeight))
            return tooLarge();
        reuse(m_image, QSize(pictureWidth, pictureHeight));
    }
    {
        QPainter painter(&m_image);
        painter.drawImage(
                QPoint(m_board.Left, m_board.Top),
                board,
                QRect(m_crop.Left, m_crop.Top, width(m_crop), m_crop.Bottom - m_crop.Top));
    }
    Canvas canvas(m_image);
    Title(canvas, true, m_image.width());
    if (m_showDefinitions)
        Definitions(canvas, true, m_board, m_image.width());
    return true;
}

void ImageComposition::paint(Canvas &canvas) const
{
    if (m_image.isNull())
        return;
    const QTransform page = canvas.transform();
    canvas.fillRect(0, 0, m_image.width(), m_image.height(), BoardWhite);
    canvas.setClip(m_board.Left, m_board.Top, m_board.Right, m_board.Bottom);
    canvas.setTransform(
            QTransform::fromTranslate(m_board.Left - m_crop.Left, m_board.Top - m_crop.Top) * page);
    DrawBoard(canvas, m_options);
    canvas.setTransform(page);
    // On a page, text wider than its column would otherwise run past the picture's edge.
    canvas.setClip(0, 0, m_image.width(), m_image.height());
    Title(canvas, true, m_image.width());
    if (m_showDefinitions)
        Definitions(canvas, true, m_board, m_image.width());
}

ImageComposition::TitleSize
ImageComposition::Title(Canvas &canvas, bool drawIt, int imageWidth) const
{
    canvas.setFontFamily(QStringLiteral("Arial"));
    canvas.setFontSize(24);
    canvas.setBold(true);
    canvas.setFontColor(BoardBlack);
    if (!m_showTitle)
        return TitleSize{};
    const TitleSize size{canvas.textWidth(m_title), canvas.textHeight(m_title) + TitleGap};
    if (drawIt)
        canvas.textOut(imageWidth / 2 - size.width / 2, 0, m_title);
    return size;
}

ImageComposition::DefinitionsSize ImageComposition::Definitions(Canvas &canvas,
                                                                bool drawIt,
                                                                const TRect &boardRect,
                                                                int imageWidth) const
{
    canvas.setFontSize(12);
    canvas.setBold(false);
    canvas.setFontColor(BoardBlack);
    canvas.setPen(BoardBlack, 1);
    int margin = DefinitionsMargin;
    int textWidth = imageWidth - 2 * margin;
    if (textWidth < NarrowDefinitionsWidth && imageWidth <= NarrowDefinitionsWidth) {
        textWidth = NarrowDefinitionsWidth;
        margin = 0;
    }
    const int top = boardRect.Bottom + DefinitionsGap;
    const int count = int(Puzzle.Numbers.size());
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int columnWidth = textWidth / m_columns;
    int height = 0;
    for (int column = 0; column < m_columns; ++column) {
        int y = top;
        const int first = column * perColumn;
        const int last = std::min(first + perColumn, count);
        for (int k = first; k < last; ++k) {
            const TClueNumber &number = Puzzle.Numbers[size_t(k)];
            const std::string text = std::to_string(number.Num) + ". " + number.Text;
            y += TextOutWrapped(drawIt,
                                text,
                                canvas,
                                columnWidth * column + margin + 6,
                                y + 6,
                                columnWidth - 6)
                 + 12;
        }
        height = std::max(height, y);
    }
    if (drawIt && m_boxed) {
        // One-pixel lines that end before their end point; the bottom line closes the corner.
        const int right = textWidth + margin - 1;
        canvas.fillRect(margin, top, margin + 1, height, BoardBlack);
        canvas.fillRect(right, top, right + 1, height, BoardBlack);
        canvas.fillRect(margin, top, right, top + 1, BoardBlack);
        canvas.fillRect(margin, height, right + 1, height + 1, BoardBlack);
    }
    return DefinitionsSize{height, textWidth + 2 * margin};
}

TRect NonWhiteBounds(QImage &image)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    TRect bounds{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto nonWhite = [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0xFFFFFF; };
        const QRgb *first = std::find_if(line, line + image.width(), nonWhite);
        if (first == line + image.width())
            continue;
        const QRgb *last = std::find_if(std::make_reverse_iterator(line + image.width()),
                                        std::make_reverse_iterator(first),
                                        nonWhite)
                                   .base();
        bounds.Left = std::min(bounds.Left, int(first - line));
        bounds.Right = std::max(bounds.Right, int(last - line));
        bounds.Top = std::min(bounds.Top, y);
        bounds.Bottom = y + 1;
    }
    return bounds.Right == 0 ? TRect{} : bounds;
}

} // namespace gs
