#pragma once

#include "core/prompt.h"

namespace gs {

// The prompt of the editor: Qt message boxes, input boxes and file dialogs with German button
// texts. Installs itself while it lives.
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
                                        const QString &defaultSuffix) override;
    std::optional<QString> saveFileName(const QString &filter,
                                        const QString &defaultSuffix,
                                        const QString &currentName) override;

    // "Description (*.a)|*.a|Other|*.b;*.c" as Qt name filters, one per pair.
    static QStringList nameFilters(const QString &filter);
};

} // namespace gs
