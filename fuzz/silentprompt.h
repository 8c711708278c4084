#pragma once

#include "core/prompt.h"

namespace gs {

// The prompt of the fuzz targets: shows nothing, answers No to every question and cancels
// every input and file dialog, so that runs stay quiet and fast.
class SilentPrompt : public Prompt
{
public:
    Answer message(const QString &, const QString &, Icon, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
};

} // namespace gs
