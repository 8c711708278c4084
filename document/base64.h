#pragma once

#include <string>
#include <string_view>

namespace gs {

// Standard alphabet (A-Z, a-z, 0-9, "+", "/"), "=" padding, no line breaks.
std::string Base64Encode(std::string_view bytes);
// The inverse; padding is optional. A character outside the alphabet or a dangling single
// character raises EConvertError.
std::string Base64Decode(std::string_view text);

} // namespace gs
