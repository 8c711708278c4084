#include "editor/imageoutputwindow.h"

namespace gs {

TForm5::TForm5(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Bildausgabe"));
}

} // namespace gs
