#include "support/scriptedprompt.h"

namespace gs {

ScriptedPrompt::ScriptedPrompt()
{
    SetPrompt(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    SetPrompt(nullptr);
}

Prompt::Answer
ScriptedPrompt::message(const QString &caption, const QString &text, Icon icon, Buttons buttons)
{
    shown.append({caption, text, icon, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.isEmpty()) {
        ++unexpectedQuestions;
        return Answer::Cancel;
    }
    return answers.dequeue();
}

std::optional<QString>
ScriptedPrompt::input(const QString &caption, const QString &, const QString &defaultText)
{
    inputCaptions.append(caption);
    inputDefaults.append(defaultText);
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

std::optional<QString> ScriptedPrompt::openFileName(const QString &, const QString &)
{
    ++fileDialogs;
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

std::optional<QString>
ScriptedPrompt::saveFileName(const QString &, const QString &, const QString &currentName)
{
    ++fileDialogs;
    inputDefaults.append(currentName);
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

} // namespace gs
