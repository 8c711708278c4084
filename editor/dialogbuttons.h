#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QString;
class QWidget;

namespace gs {

// The "OK" (default) and, with cancel, "Abbrechen" buttons of a small dialog, wired to its
// accept and reject.
QDialogButtonBox *okCancelButtons(QDialog *dialog, bool cancel = true);
// A button of a dialog that Enter never presses in place of the default button.
QPushButton *actionButton(const QString &text, QWidget *parent);

} // namespace gs
