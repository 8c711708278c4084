#include "editor/aboutdialog.h"

namespace gs {

TForm10::TForm10(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info"));
}

} // namespace gs
