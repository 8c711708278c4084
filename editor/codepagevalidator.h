#pragma once

#include "core/cp1252.h"

#include <QValidator>

namespace gs {

// Refuses text that Windows-1252 cannot hold, so that nothing typed turns into "?" on storing.
class CodePageValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        return fitsCodePage(input) ? Acceptable : Invalid;
    }
};

} // namespace gs
