#include "editor/definitionseditor.h"

namespace gs {

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Definitions-Editor"));
}

} // namespace gs
