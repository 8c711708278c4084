#include "core/consoleprompt.h"

#include <QTextStream>

namespace gs {

Prompt::Answer
ConsolePrompt::message(const QString &caption, const QString &text, Icon, Buttons buttons)
{
    if (caption == QLatin1String("Fehler"))
        m_errorShown = true;
    QTextStream err(stderr);
    err << caption << ": " << text << Qt::endl;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<QString> ConsolePrompt::input(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QString>
ConsolePrompt::openFileName(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QString>
ConsolePrompt::saveFileName(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

} // namespace gs
