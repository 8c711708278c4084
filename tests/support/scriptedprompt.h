#pragma once

#include "core/prompt.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace gs {

// A prompt for tests: records every message and dialog, answers from queues. Installs itself
// while it lives. A message finds its answer in the answer queue (Ok for an OK box when the
// queue is empty; an empty queue for a question fails the test through unexpectedQuestions).
class ScriptedPrompt : public Prompt
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    ScriptedPrompt() { SetPrompt(this); }
    ~ScriptedPrompt() override { SetPrompt(nullptr); }

    Answer message(const QString &caption, const QString &text, Icon icon, Buttons buttons) override
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
    input(const QString &caption, const QString &, const QString &defaultText) override
    {
        inputCaptions.append(caption);
        inputDefaults.append(defaultText);
        return nextText();
    }
    std::optional<QString>
    openFileName(const QString &, const QString &, const QString &currentName) override
    {
        ++fileDialogs;
        inputDefaults.append(currentName);
        return nextText();
    }
    std::optional<QString>
    saveFileName(const QString &, const QString &, const QString &currentName) override
    {
        ++fileDialogs;
        inputDefaults.append(currentName);
        return nextText();
    }

    // Answers to questions (Yes/No/Cancel boxes), in order.
    QQueue<Answer> answers;
    // Answers to input boxes and file dialogs, in order; nullopt cancels.
    QQueue<std::optional<QString>> texts;

    QList<Shown> shown;
    // Captions and default texts of the input boxes and file dialogs shown.
    QList<QString> inputCaptions;
    QList<QString> inputDefaults;
    int fileDialogs = 0;
    int unexpectedQuestions = 0;

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    QString lastCaption() const { return shown.isEmpty() ? QString() : shown.last().caption; }

private:
    std::optional<QString> nextText() { return texts.isEmpty() ? std::nullopt : texts.dequeue(); }
};

} // namespace gs
