#include "core/prompt.h"

#include "core/consoleprompt.h"

namespace gs {

namespace {
Prompt *installedPrompt = nullptr;
}

Prompt &ActivePrompt()
{
    static ConsolePrompt fallback;
    return installedPrompt ? *installedPrompt : fallback;
}

void SetPrompt(Prompt *prompt)
{
    installedPrompt = prompt;
}

} // namespace gs
