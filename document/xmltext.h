#pragma once

#include <string>
#include <string_view>

namespace gs {

// Text-level routines of the XML serializer. Positions count bytes from 0; npos means "none" (no
// match, no further element). Returned views point into the text they were given.

inline constexpr std::size_t npos = std::string_view::npos;

// Keeps space, ! , - . / 0-9 : ; = A-Z a-z [ \ ] _ and writes every other byte as "&#xHH;".
std::string EncodeXMLText(std::string_view value);

// "<![CDATA[" (any case) at the start: the text without those 9 and its last 3 characters.
// Otherwise "&#xHH;" references are replaced, scanning backwards, and bytes 0..32 are trimmed
// from both ends. A reference with other than two hexadecimal digits raises EConvertError.
std::string DecodeXMLText(std::string_view text);

// First position at or after start where pattern occurs (Boyer-Moore-Horspool), or npos.
std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t start);

// The text between the next open and the next close after it, searching from position; position
// moves behind close, or becomes npos (and the result is empty) when either is missing.
std::string_view TextBetween(std::string_view text,
                             std::string_view open,
                             std::string_view close,
                             std::size_t &position);

// Content of the next element "<name>...</name>" from position, counting nested elements of the
// same name; position moves behind its closing tag, or becomes npos when there is no complete
// element.
std::string_view
ElementContent(std::string_view text, std::string_view name, std::size_t &position);

// Content of the root element called name (any case), skipping an XML declaration, a document
// type ending in "]>" and other complete elements before it; empty when it is not found.
std::string_view FindRootElement(std::string_view text, std::string_view name);

} // namespace gs
