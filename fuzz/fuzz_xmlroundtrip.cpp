// Reads arbitrary text into the document objects; whatever was read must write, read back and
// write again to the same text.

#include "document/crosswordcollection.h"

#include <QByteArray>

#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

using namespace gs;

namespace {

// The text of the document read from text; the program must read what it wrote.
std::string rewritten(const std::string &text)
{
    TCrossWordCollection document;
    try {
        document.LoadXMLDocument(text);
    } catch (const std::exception &) {
        std::abort();
    }
    return document.XMLDocument();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    TCrossWordCollection document;
    try {
        document.LoadXMLDocument(input);
    } catch (const std::exception &) {
        return 0; // rejected with a message: nothing to write
    }
    const std::string first = document.XMLDocument();
    const std::string second = rewritten(first);
    // A CDATA value is taken literally, blanks at its ends included; written as text, the next
    // reading trims them like every other value. From then on nothing may change.
    const bool literal = QByteArray(input.data(), qsizetype(size)).toUpper().contains("<![CDATA[");
    if (literal ? rewritten(second) != second : second != first)
        std::abort();
    return 0;
}
