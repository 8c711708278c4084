#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStaticText>
#include <QString>

#include <string>
#include <unordered_map>

namespace gs {

// The fonts of the board drawing with their metrics and laid-out short texts, kept for the
// whole run: a repaint draws thousands of letters and numbers in a handful of fonts, and laying
// each out anew would cost most of the repaint. Emptied when the application object goes.
class FontCache
{
public:
    // A laid-out short text (a letter, a number) and its width.
    struct Text
    {
        QStaticText layout;
        int width;
    };

    struct Font
    {
        explicit Font(const QFont &face)
            : font(face)
            , metrics(face)
        {
        }

        QFont font;
        QFontMetrics metrics;
        // The kept layout of text, or nullptr for a text that is not kept (long ones).
        const Text *shortText(const std::string &text);

    private:
        std::unordered_map<std::string, Text> m_texts;
    };

    // Unantialiased font of the face at the pixel size; the reference stays valid until the
    // application object is destroyed.
    static Font &font(const QString &family, int pixelSize, bool bold);

private:
    static void clear();
};

} // namespace gs
