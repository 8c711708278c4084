#pragma once

#include "core/prompt.h"

class QFileDialog;

namespace gs {

// The prompt of the editor: Qt's message boxes, input boxes and file dialogs (their German
// texts come from Qt's translation). Installs itself while it lives.
class DialogPrompt : public Prompt
{
public:
    DialogPrompt();
    ~DialogPrompt() override;

    Answer
    message(const QString &caption, const QString &text, Icon icon, Buttons buttons) override;
    std::optional<QString>
    input(const QString &caption, const QString &label, const QString &defaultText) override;
    std::optional<QString> openFileName(const QString &filter,
                                        const QString &defaultSuffix,
                                        const QString &currentName) override;
    std::optional<QString> saveFileName(const QString &filter,
                                        const QString &defaultSuffix,
                                        const QString &currentName) override;

    // "Description (*.a)|*.a|Other|*.b;*.c" as Qt name filters, one per pair.
    static QStringList nameFilters(const QString &filter);

private:
    // Shows dialog in the folder of currentName (else the folder used last), proposing its name
    // when proposeName is set; remembers the chosen file's folder.
    std::optional<QString> runFileDialog(QFileDialog &dialog,
                                         const QString &filter,
                                         const QString &defaultSuffix,
                                         const QString &currentName,
                                         bool proposeName);

    QString m_lastFolder;
};

} // namespace gs
