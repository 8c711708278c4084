#pragma once

#include <string>
#include <string_view>

namespace gs {

// A document's text is never allowed to inflate beyond this; a full 50 x 40 board with long
// definitions stays well under one mebibyte, and a board array of MaxBoardItems positions
// under fourteen.
inline constexpr size_t MaxDocumentTextSize = 16u * 1024u * 1024u;

// Appends source compressed as one zlib stream (RFC 1950) at level 9 to target. A long text is
// compressed in parts on several threads and the deflate parts are joined into the one stream.
void CompressStream(std::string_view source, std::string &target);

// Inflates the zlib stream in source into target (replacing its content). Returns false when
// the data is damaged, ends early, or would inflate beyond limit bytes; target then holds what
// was inflated so far. Empty source gives an empty target and true.
bool DecompressStream(std::string_view source,
                      std::string &target,
                      size_t limit = MaxDocumentTextSize);

} // namespace gs
