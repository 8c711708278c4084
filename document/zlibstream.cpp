#include "document/zlibstream.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

namespace gs {

namespace {

// Long texts are compressed in parts of at least this size, on as many threads as the machine
// runs at once. Each part is primed with the end of the text before it as its dictionary, so
// splitting costs next to nothing in size.
constexpr size_t MinPartSize = 32 * 1024;
constexpr size_t MaxParts = 32;
constexpr size_t WindowSize = 32 * 1024;

// Raw deflate data of source at level 9, appended to target. The last part ends the deflate
// stream; any other part ends with a sync flush, on a byte boundary, so that the next part's
// data can follow it directly.
void deflatePart(std::string_view source,
                 std::string_view dictionary,
                 bool last,
                 std::string &target)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY)
        != Z_OK)
        throw std::runtime_error("zlib compression failed");
    if (!dictionary.empty())
        deflateSetDictionary(&stream,
                             reinterpret_cast<const Bytef *>(dictionary.data()),
                             uInt(dictionary.size()));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(source.data()));
    stream.avail_in = uInt(source.size());
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    size_t room = deflateBound(&stream, uLong(source.size())) + 64;
    int result = Z_OK;
    do {
        const size_t start = target.size();
        target.resize(start + room);
        stream.next_out = reinterpret_cast<Bytef *>(target.data() + start);
        stream.avail_out = uInt(room);
        result = deflate(&stream, flush);
        target.resize(start + room - stream.avail_out);
    } while (result == Z_OK && (last || stream.avail_out == 0));
    deflateEnd(&stream);
    if (last ? result != Z_STREAM_END : result != Z_OK && result != Z_BUF_ERROR)
        throw std::runtime_error("zlib compression failed");
}

void appendBigEndian(std::string &target, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        target.push_back(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

void CompressStream(std::string_view source, std::string &target)
{
    // zlib header: deflate with a 32 KiB window, level 9 ("maximum compression").
    target.append("\x78\xDA");
    const size_t partCount = std::clamp<size_t>(source.size() / MinPartSize, 1, MaxParts);
    const size_t partSize = source.size() / partCount;
    std::vector<std::string> parts(partCount);
    std::atomic<size_t> next = 0;
    // Some parts take much longer than others (free text against the repetitive board), so the
    // workers take the next part as they become free.
    const auto work = [&] {
        for (size_t i = next++; i < partCount; i = next++) {
            const size_t start = i * partSize;
            const size_t end = i + 1 == partCount ? source.size() : start + partSize;
            const size_t primed = std::min(start, WindowSize);
            deflatePart(source.substr(start, end - start),
                        source.substr(start - primed, primed),
                        i + 1 == partCount,
                        parts[i]);
        }
    };
    const size_t helpers
            = std::min<size_t>(partCount, std::max(1u, std::thread::hardware_concurrency())) - 1;
    std::vector<std::future<void>> running;
    for (size_t i = 0; i < helpers; ++i)
        running.push_back(std::async(std::launch::async, work));
    work();
    for (auto &helper : running)
        helper.get();
    for (const std::string &part : parts)
        target.append(part);
    appendBigEndian(target,
                    uint32_t(adler32(adler32(0, nullptr, 0),
                                     reinterpret_cast<const Bytef *>(source.data()),
                                     uInt(source.size()))));
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
