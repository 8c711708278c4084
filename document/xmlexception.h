#pragma once

#include "document/exception.h"

namespace gs {

// Raised by the XML serializer on input it cannot read; messages nest from the inside out.
class EXMLException : public Exception
{
public:
    using Exception::Exception;
};

} // namespace gs
