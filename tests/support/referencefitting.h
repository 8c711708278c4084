#pragma once

#include "assistant/placement.h"

#include <string>
#include <vector>

namespace gs {

// The word fitting written straight from its rules, reading every field through GetLetter and
// scanning every field for every letter: the yardstick that the engine must match exactly.
void ReferenceFitWords(std::vector<std::string> &words, bool withNumbers);
// One search of that fitting on the open puzzle as it is.
TPlacement ReferenceFindBestPlacement(const std::string &word);

} // namespace gs
