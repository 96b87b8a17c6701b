#include "profile/matlab_headers.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <limits>

namespace karvelo {

namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kVersionOffset = 124;
constexpr std::uint16_t kVersion5 = 0x0100;
constexpr std::uint32_t kMatrix = 14;      // miMATRIX
constexpr std::uint32_t kCompressed = 15;  // miCOMPRESSED
constexpr std::uint32_t kInt32 = 5;        // miINT32, the type of the dimensions
constexpr std::uint32_t kUInt32 = 6;       // miUINT32, the type of the array flags
constexpr std::size_t kTagBytes = 8;
constexpr std::uint32_t kMaxNameBytes = 4096;  // MATLAB's names have at most 63 characters
// A matrix: its tag, the array-flags sub-element (tag and 8 bytes), the dimensions' tag.
constexpr std::size_t kDimensionsTagOffset = kTagBytes + kTagBytes + 8;
constexpr std::size_t kClassOffset = kTagBytes + kTagBytes;  // low byte of the array flags
constexpr std::uint8_t kSparseClass = 5;        // sparse: its dimensions say nothing of its size
constexpr std::size_t kMaxDeflateRatio = 1032;  // most bytes deflate makes of one
constexpr std::size_t kInflatedBytes = kDimensionsTagOffset + kTagBytes + 4 * kMaxMatlabRank;

// Reads the v5 file's 16- and 32-bit fields in its byte order.
struct Fields {
    bool little = true;
    std::uint32_t U32(std::string_view bytes, std::size_t at) const {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes[at + (little ? 3 - i : i)]);
            value = value << 8 | byte;
        }
        return value;
    }
};

// What a matrix element (from its tag on) declares: its dimensions, or none when the bytes
// do not hold a matrix with a dimensions sub-element in full.
struct Declared {
    std::size_t Rank = 0;
    std::uint64_t Values = 1;  // the product of the dimensions (saturated)
    bool Sparse = false;
    bool Malformed = false;  // the array flags or the dimensions are not as the format has them
};

Declared DeclaredShape(std::string_view matrix, const Fields& fields) {
    Declared shape;
    // A matrix shorter than its array flags and dimensions' tag: matio reads on into what
    // follows and takes it for them.
    if (matrix.size() >= kTagBytes && fields.U32(matrix, 0) == kMatrix &&
        fields.U32(matrix, 4) < kDimensionsTagOffset) {
        shape.Malformed = true;
        return shape;
    }
    if (matrix.size() < kDimensionsTagOffset + kTagBytes || fields.U32(matrix, 0) != kMatrix) {
        return shape;
    }
    shape.Sparse = (fields.U32(matrix, kClassOffset) & 0xFF) == kSparseClass;
    const std::uint32_t tag = fields.U32(matrix, kDimensionsTagOffset);
    const bool small = (tag >> 16) != 0;
    // Array flags: always eight bytes of miUINT32; then miINT32 dimensions.
    if (fields.U32(matrix, kTagBytes) != kUInt32 || fields.U32(matrix, kTagBytes + 4) != 8 ||
        (small ? (tag & 0xFFFF) != kInt32 : tag != kInt32)) {
        shape.Malformed = true;
        return shape;
    }
    shape.Rank = (small ? tag >> 16 : fields.U32(matrix, kDimensionsTagOffset + 4)) / 4;
    const std::size_t first = kDimensionsTagOffset + (small ? 4 : kTagBytes);
    for (std::size_t d = 0; d < shape.Rank && first + 4 * d + 4 <= matrix.size(); ++d) {
        const std::uint64_t size = fields.U32(matrix, first + 4 * d);
        if (__builtin_mul_overflow(shape.Values, size, &shape.Values)) {
            shape.Values = std::numeric_limits<std::uint64_t>::max();
        }
    }
    // The name follows the dimensions (padded to eight bytes): a few characters.
    const std::size_t name = small ? first + 4 : first + (4 * shape.Rank + 7) / 8 * 8;
    if (name + kTagBytes <= matrix.size()) {
        const std::uint32_t nameTag = fields.U32(matrix, name);
        shape.Malformed = (nameTag >> 16) == 0 && fields.U32(matrix, name + 4) > kMaxNameBytes;
    }
    return shape;
}

// The first bytes of a compressed element's payload inflated (fewer when it ends first).
std::string Inflate(std::string_view payload) {
    std::array<char, kInflatedBytes> out{};
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return {};
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(payload.data()));
    stream.avail_in = static_cast<uInt>(payload.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    inflate(&stream, Z_SYNC_FLUSH);
    const std::size_t produced = out.size() - stream.avail_out;
    inflateEnd(&stream);
    return std::string(out.data(), produced);
}

}  // namespace

std::string CheckMatlabHeaders(std::string_view bytes) {
    if (!bytes.starts_with("MATLAB")) {
        // matio would try it as a version 4 file, whose header it believes whole
        return "no MATLAB text header";
    }
    if (bytes.size() < kHeaderBytes) {
        return {};
    }
    const Fields fields{bytes[126] == 'I' && bytes[127] == 'M'};
    const std::uint16_t version =
        fields.little
            ? static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[kVersionOffset]) |
                                         static_cast<std::uint8_t>(bytes[kVersionOffset + 1]) << 8)
            : static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[kVersionOffset]) << 8 |
                                         static_cast<std::uint8_t>(bytes[kVersionOffset + 1]));
    if (version != kVersion5) {
        return {};
    }
    std::size_t variable = 0;
    for (std::size_t at = kHeaderBytes; at + kTagBytes <= bytes.size();) {
        const std::uint32_t type = fields.U32(bytes, at);
        const std::uint64_t size = (type >> 16) != 0 ? 0 : fields.U32(bytes, at + 4);
        const std::string_view element = bytes.substr(at, kTagBytes + size);
        ++variable;
        Declared shape;
        std::uint64_t held = element.size();
        if (type == kMatrix) {
            shape = DeclaredShape(element, fields);
        } else if (type == kCompressed) {
            shape = DeclaredShape(Inflate(element.substr(kTagBytes)), fields);
            held *= kMaxDeflateRatio;
        }
        if (shape.Malformed) {
            return "variable " + std::to_string(variable) +
                   " has array flags, dimensions or a name not as the format has them";
        }
        if (shape.Rank > kMaxMatlabRank) {
            return "variable " + std::to_string(variable) + " declares " +
                   std::to_string(shape.Rank) + " dimensions";
        }
        // Every value takes a byte at least (a cell or a field an element of its own).
        if (!shape.Sparse && shape.Values > held) {
            return "variable " + std::to_string(variable) + " declares " +
                   std::to_string(shape.Values) + " values, more than its " +
                   std::to_string(element.size()) + " bytes can hold";
        }
        at += kTagBytes + ((type >> 16) != 0 ? 0 : size);
    }
    return {};
}

}  // namespace karvelo
