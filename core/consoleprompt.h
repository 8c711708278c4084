#pragma once

#include "core/prompt.h"

namespace gs {

// The prompt of headless runs: prints every message as "caption: text" on stderr, answers
// questions with No (Cancel where offered) and cancels every input and file dialog.
class ConsolePrompt : public Prompt
{
public:
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

    // Whether a message with the caption "Fehler" was printed.
    bool errorShown() const { return m_errorShown; }

private:
    bool m_errorShown = false;
};

} // namespace gs
