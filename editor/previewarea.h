#pragma once

#include <Qt>

class QLabel;
class QListWidget;
class QScrollArea;
class QSize;
class QWidget;

namespace gs {

// A white scroll area on parent, at least minimum in size, holding preview: a new label whose
// picture stands at its top left, the label placed in the area by alignment.
QScrollArea *previewArea(QSize minimum, Qt::Alignment alignment, QWidget *parent, QLabel *&preview);
// Shows the list's entries in red, as words that could not be placed.
void showInRed(QListWidget *list);

} // namespace gs
