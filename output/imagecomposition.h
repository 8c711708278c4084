#pragma once

#include "core/rect.h"
#include "core/render.h"

#include <QImage>
#include <QString>

#include <string>

namespace gs {

class Canvas;
class OutputSettings;

// The picture of the image output: the title on top, the board cropped to what is drawn and
// the definitions in columns underneath, composed from the open puzzle and the output
// settings. The same composition is kept as a bitmap and can be drawn again onto a printer or
// PDF page as vectors and text.
class ImageComposition
{
public:
    // Width and height of the title block (text height plus the 30 pixels below it); both 0
    // when no title is shown.
    struct TitleSize
    {
        int width = 0;
        int height = 0;
    };
    // Bottom of the lowest definitions column and the width the definitions need.
    struct DefinitionsSize
    {
        int height = 0;
        int width = 0;
    };

    // Composes the picture with the title, "In Tabelle" and "Spalten:" of settings; the
    // definitions count only when the puzzle has clue numbers. False with a German reason
    // when the picture would be too large to hold; the picture is empty then.
    bool Draw(const OutputSettings &settings,
              bool showTitle,
              bool showDefinitions,
              QString *error = nullptr);

    // Leaves the letters out of this and every later composition, whatever the view shows: the
    // empty puzzle for print.
    void hideLetters() { m_lettersHidden = true; }

    // The composed picture (24-bit colour; white where nothing is drawn).
    const QImage &image() const { return m_image; }
    // The title text of the last composition (Windows-1252).
    const std::string &title() const { return m_title; }
    // Draws the composed picture onto canvas, whose transform places it, with the drawing
    // operations instead of the bitmap.
    void paint(Canvas &canvas) const;

    // Sets the title font ("Arial" 24 point bold) and measures the title; draws it centred
    // over imageWidth at the top when drawIt is set.
    TitleSize Title(Canvas &canvas, bool drawIt, int imageWidth) const;
    // Lays out the definitions below boardRect on a picture imageWidth wide, and with drawIt
    // draws them (with the box when "In Tabelle" is on).
    DefinitionsSize
    Definitions(Canvas &canvas, bool drawIt, const TRect &boardRect, int imageWidth) const;

private:
    std::string m_title;
    bool m_showTitle = false;
    bool m_showDefinitions = false;
    bool m_boxed = false;
    bool m_lettersHidden = false;
    int m_columns = 1;
    RenderOptions m_options;
    // The cropped part of the board drawing and where it lands in the picture.
    TRect m_crop;
    TRect m_board;
    QImage m_image;
    // The uncropped board drawing, kept for the next composition.
    QImage m_boardImage;
};

// The smallest rectangle (right and bottom exclusive) holding every pixel that is not pure
// white; (0, 0, 0, 0) when there is none. The image is turned into 24-bit colour first.
TRect NonWhiteBounds(QImage &image);

} // namespace gs
