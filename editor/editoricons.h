#pragma once

#include <QIcon>
#include <QPixmap>

namespace gs {

// The editor's pictures, drawn in code: toolbar icons, the window icon and the four-way arrow
// between the shift buttons of the side panel.
class EditorIcons
{
public:
    static QIcon application();
    static QIcon newPage();
    static QIcon folder();
    static QIcon disk();
    static QIcon horizontalWord();
    static QIcon verticalWord();
    static QIcon fitWord();
    static QIcon number();
    static QIcon definitions();
    static QIcon undo();
    static QIcon redo();
    // A four-way arrow of the given edge length.
    static QPixmap shiftArrows(int size);
    // The number dialog's preview of a horizontal (hor) or vertical number.
    static QPixmap directionArrow(bool hor, int size);
};

} // namespace gs
