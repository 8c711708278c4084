#include "editor/insertgriddialog.h"

namespace gs {

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Gitter einfügen"));
}

} // namespace gs
