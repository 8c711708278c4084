#include "document/zlibstream.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace gs {

void CompressStream(std::string_view source, std::string &target)
{
    uLongf size = compressBound(uLong(source.size()));
    const size_t start = target.size();
    target.resize(start + size);
    const int result = compress2(reinterpret_cast<Bytef *>(target.data() + start),
                                 &size,
                                 reinterpret_cast<const Bytef *>(source.data()),
                                 uLong(source.size()),
                                 Z_BEST_COMPRESSION);
    if (result != Z_OK)
        throw std::runtime_error("zlib compression failed");
    target.resize(start + size);
}

bool DecompressStream(std::string_view source, std::string &target, size_t limit)
{
    target.clear();
    if (source.empty())
        return true;

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(source.data()));
    stream.avail_in = uInt(std::min<size_t>(source.size(), UINT32_MAX));

    constexpr size_t Chunk = 64 * 1024;
    int result = Z_OK;
    while (result == Z_OK) {
        if (target.size() >= limit) {
            result = Z_MEM_ERROR;
            break;
        }
        const size_t start = target.size();
        const size_t room = std::min(Chunk, limit - start);
        target.resize(start + room);
        stream.next_out = reinterpret_cast<Bytef *>(target.data() + start);
        stream.avail_out = uInt(room);
        result = inflate(&stream, Z_NO_FLUSH);
        target.resize(start + room - stream.avail_out);
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END;
}

} // namespace gs
