#include "editor/assistantdialog.h"

namespace gs {

TForm9::TForm9(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rätsel-Assistent"));
}

} // namespace gs
