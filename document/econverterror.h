#pragma once

#include "document/exception.h"

namespace gs {

// A text that cannot be converted to the value it should hold (not a number, not a Boolean).
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace gs
