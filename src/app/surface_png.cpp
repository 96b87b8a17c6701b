#include "app/surface_png.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace karvelo {

namespace {

constexpr std::size_t kPixelBytes = 3;
// libpng's compression buffer: every IDAT chunk but the last is this long.
constexpr std::size_t kChunkBytes = 8192;
// QImage's default resolution, which Qt writes as the pHYs chunk.
constexpr std::uint32_t kDotsPerMetre = 3780;

enum Filter : std::uint8_t { kNone, kSub, kUp, kAverage, kPaeth, kFilterCount };

void AppendBigEndian(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value >> 24));
    out.push_back(static_cast<char>(value >> 16));
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value));
}

void AppendChunk(std::string& png, std::string_view type, std::string_view data) {
    AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.append(type);
    png.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(png.data() + start);
    AppendBigEndian(png, static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0), bytes,
                                                          static_cast<uInt>(png.size() - start))));
}

// libpng's measure of a filtered row: each byte taken as signed, summed by magnitude.
// This and FilterRow stay out of line: inlined into the row loop, gcc no longer
// vectorises them and the file takes twice as long.
[[gnu::noinline]] std::uint32_t Cost(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += static_cast<std::uint32_t>(
            std::abs(static_cast<int>(static_cast<std::int8_t>(bytes[i]))));
    }
    return sum;
}

// The four filters of row against the row above it (zeros above the first row), each
// into its own buffer after the filter byte. One plain loop per filter over
// non-overlapping buffers, so that the compiler turns each into vector code.
[[gnu::noinline]] void FilterRow(const std::uint8_t* __restrict row,
                                 const std::uint8_t* __restrict above, std::size_t count,
                                 std::array<std::vector<std::uint8_t>, kFilterCount>& out) {
    std::uint8_t* __restrict sub = out[kSub].data() + 1;
    std::uint8_t* __restrict up = out[kUp].data() + 1;
    std::uint8_t* __restrict average = out[kAverage].data() + 1;
    std::uint8_t* __restrict paeth = out[kPaeth].data() + 1;
    constexpr std::size_t p = kPixelBytes;
    for (std::size_t i = 0; i < p; ++i) {
        sub[i] = row[i];
        average[i] = static_cast<std::uint8_t>(row[i] - above[i] / 2);
        paeth[i] = static_cast<std::uint8_t>(row[i] - above[i]);
    }
    for (std::size_t i = p; i < count; ++i) {
        sub[i] = static_cast<std::uint8_t>(row[i] - row[i - p]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        up[i] = static_cast<std::uint8_t>(row[i] - above[i]);
    }
    for (std::size_t i = p; i < count; ++i) {
        // (a + b) / 2 without leaving eight bits.
        const std::uint8_t a = row[i - p];
        const std::uint8_t b = above[i];
        average[i] = static_cast<std::uint8_t>(row[i] - ((a & b) + ((a ^ b) >> 1)));
    }
    for (std::size_t i = p; i < count; ++i) {
        const std::int16_t a = row[i - p];
        const std::int16_t b = above[i];
        const std::int16_t c = above[i - p];
        const auto magnitude = [](std::int16_t v) {
            return std::max(v, static_cast<std::int16_t>(-v));
        };
        const std::int16_t towardsB = static_cast<std::int16_t>(b - c);
        const std::int16_t towardsA = static_cast<std::int16_t>(a - c);
        const std::int16_t pa = magnitude(towardsB);
        const std::int16_t pb = magnitude(towardsA);
        const std::int16_t pc = magnitude(static_cast<std::int16_t>(towardsA + towardsB));
        const std::int16_t predictor = pa <= std::min(pb, pc) ? a : (pb <= pc ? b : c);
        paeth[i] = static_cast<std::uint8_t>(row[i] - predictor);
    }
}

// Feeds count bytes to the stream, appending what comes out to compressed.
bool Deflate(z_stream& stream, const std::uint8_t* bytes, std::size_t count, int flush,
             std::string& compressed) {
    std::array<Bytef, 65536> buffer;
    stream.next_in = const_cast<Bytef*>(bytes);
    stream.avail_in = static_cast<uInt>(count);
    for (;;) {
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<uInt>(buffer.size());
        const int result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR) {
            return false;
        }
        compressed.append(reinterpret_cast<const char*>(buffer.data()),
                          buffer.size() - stream.avail_out);
        const bool done = flush == Z_FINISH ? result == Z_STREAM_END
                                            : stream.avail_in == 0 && stream.avail_out != 0;
        if (done) {
            return true;
        }
    }
}

}  // namespace

std::optional<std::string> EncodeSurfacePng(const Surface& surface) {
    const auto width = static_cast<std::size_t>(surface.Width());
    const auto height = static_cast<std::size_t>(surface.Height());
    const std::size_t rowBytes = width * kPixelBytes;

    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, 15, 8, Z_FILTERED) != Z_OK) {
        return std::nullopt;
    }
    std::array<std::vector<std::uint8_t>, kFilterCount> filtered;
    for (std::size_t f = 0; f < kFilterCount; ++f) {
        filtered[f].resize(1 + rowBytes);
        filtered[f][0] = static_cast<std::uint8_t>(f);
    }
    // The row above, unfiltered, after its filter byte (zeros above the first row); it
    // changes places with the row just written.
    std::vector<std::uint8_t> above(1 + rowBytes, 0);
    std::string compressed;
    bool ok = true;
    for (std::size_t y = 0; y < height && ok; ++y) {
        const std::uint32_t* words = surface.Data() + y * width;
        std::uint8_t* row = filtered[kNone].data() + 1;
        for (std::size_t x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(words[x] >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(words[x] >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(words[x]);
        }
        FilterRow(row, above.data() + 1, rowBytes, filtered);
        // The first filter of least cost, in the order of the filter numbers.
        std::size_t best = kNone;
        std::uint32_t least = Cost(row, rowBytes);
        for (std::size_t f = kSub; f < kFilterCount; ++f) {
            const std::uint32_t cost = Cost(filtered[f].data() + 1, rowBytes);
            if (cost < least) {
                least = cost;
                best = f;
            }
        }
        ok = Deflate(stream, filtered[best].data(), 1 + rowBytes, Z_NO_FLUSH, compressed);
        std::swap(above, filtered[kNone]);
    }
    ok = ok && Deflate(stream, nullptr, 0, Z_FINISH, compressed);
    deflateEnd(&stream);
    if (!ok) {
        return std::nullopt;
    }

    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(width));
    AppendBigEndian(header, static_cast<std::uint32_t>(height));
    header.append({'\x08', '\x02', '\x00', '\x00', '\x00'});  // 8-bit RGB, not interlaced
    AppendChunk(png, "IHDR", header);
    std::string resolution;
    AppendBigEndian(resolution, kDotsPerMetre);
    AppendBigEndian(resolution, kDotsPerMetre);
    resolution.push_back('\x01');  // per metre
    AppendChunk(png, "pHYs", resolution);
    // Full chunks, then what is left; libpng writes that last chunk even when it is
    // empty, and so does this.
    const std::string_view bytes(compressed);
    std::size_t offset = 0;
    for (; compressed.size() - offset >= kChunkBytes; offset += kChunkBytes) {
        AppendChunk(png, "IDAT", bytes.substr(offset, kChunkBytes));
    }
    AppendChunk(png, "IDAT", bytes.substr(offset));
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace karvelo
