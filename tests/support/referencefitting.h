#pragma once

#include <string>
#include <vector>

namespace gs {

// The word fitting written straight from its rules, reading every field through GetLetter and
// scanning every field for every letter: the yardstick that the engine must match exactly.
void ReferenceFitWords(std::vector<std::string> &words, bool withNumbers);

} // namespace gs
