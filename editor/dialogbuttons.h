#pragma once

class QDialog;
class QDialogButtonBox;

namespace gs {

// The "OK" (default) and, with cancel, "Abbrechen" buttons of a small dialog, wired to its
// accept and reject.
QDialogButtonBox *okCancelButtons(QDialog *dialog, bool cancel = true);

} // namespace gs
