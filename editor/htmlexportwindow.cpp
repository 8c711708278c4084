#include "editor/htmlexportwindow.h"

namespace gs {

TForm7::TForm7(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("HTML-Export"));
}

} // namespace gs
