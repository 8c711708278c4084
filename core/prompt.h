#pragma once

#include <QString>

#include <optional>

namespace gs {

// Every message box, input box and file dialog of the program goes through this interface,
// so that tests can script the answers and headless runs can print instead of asking.
class Prompt
{
public:
    enum class Icon { Warning, Information, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompt() = default;

    virtual Answer
    message(const QString &caption, const QString &text, Icon icon, Buttons buttons = Buttons::Ok)
            = 0;
    // A one-line input box; nothing when cancelled.
    virtual std::optional<QString>
    input(const QString &caption, const QString &label, const QString &defaultText) = 0;
    // Filters are given as "Description (*.ext)|*.ext" pairs. The dialogs start in the folder of
    // currentName when one is given, else in the folder used last.
    virtual std::optional<QString> openFileName(const QString &filter,
                                                const QString &defaultSuffix,
                                                const QString &currentName = QString())
            = 0;
    virtual std::optional<QString>
    saveFileName(const QString &filter, const QString &defaultSuffix, const QString &currentName)
            = 0;

    // Shortcut for a refusal: caption "Fehler", warning icon, OK.
    void error(const QString &text) { message(QStringLiteral("Fehler"), text, Icon::Warning); }
    // Shortcut for a confirmation: question icon, Yes and No; true for Yes.
    bool confirm(const QString &caption, const QString &text)
    {
        return message(caption, text, Icon::Question, Buttons::YesNo) == Answer::Yes;
    }
};

// The prompt in use; a console prompt until another one is installed.
Prompt &ActivePrompt();
// Installs prompt (nullptr: back to the console prompt); the caller keeps ownership.
void SetPrompt(Prompt *prompt);

} // namespace gs
