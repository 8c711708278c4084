#include "editor/numberdialog.h"

namespace gs {

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Nummer einfügen"));
}

} // namespace gs
