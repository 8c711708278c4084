// Reads arbitrary text into the document objects; whatever was read must write, read back and
// write again to the same text.

#include "document/crosswordcollection.h"

#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

using namespace gs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TCrossWordCollection document;
    try {
        document.LoadXMLDocument(std::string_view(reinterpret_cast<const char *>(data), size));
    } catch (const std::exception &) {
        return 0; // rejected with a message: nothing to write
    }
    const std::string written = document.XMLDocument();
    TCrossWordCollection copy;
    try {
        copy.LoadXMLDocument(written);
    } catch (const std::exception &) {
        std::abort(); // the program cannot read what it wrote
    }
    if (copy.XMLDocument() != written)
        std::abort();
    return 0;
}
