#include "editor/outputsettingsdialog.h"

namespace gs {

TForm6::TForm6(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ausgabe konfigurieren"));
}

bool TForm6::showOnPage(Page)
{
    return exec() == QDialog::Accepted;
}

} // namespace gs
