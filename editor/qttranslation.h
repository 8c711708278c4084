#pragma once

namespace gs {

// Installs Qt's own German texts (standard dialogs, buttons, command-line help) into the
// current application object; false when the translation is not installed on this system.
bool InstallQtTranslation();

} // namespace gs
