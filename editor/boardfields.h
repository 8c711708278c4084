#pragma once

#include "core/point.h"

namespace gs {

// Field states the editor's handlers test for.

// The letter is blank after trimming: no field, or a provisional field.
bool IsBlankField(TPoint p);
// The letter is the single blank of a field created by selecting an empty position.
bool IsProvisionalField(TPoint p);

} // namespace gs
