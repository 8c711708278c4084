#include "editor/boardfields.h"

#include "core/puzzle.h"

namespace gs {

bool IsBlankField(TPoint p)
{
    const std::string letter = GetLetter(p);
    return letter.empty() || letter == " ";
}

bool IsProvisionalField(TPoint p)
{
    return GetLetter(p) == " ";
}

} // namespace gs
