// NumPy .npy files: the magic, a version, a header length and a Python dictionary
// literal ({'descr': '<f8', 'fortran_order': False, 'shape': (121, 2000), }), then the
// array's bytes.
#include <bit>
#include <cstring>

#include "common/error_messages.h"
#include "common/whole_file.h"
#include "profile/array_recording.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

constexpr std::string_view kNumpyMagic = "\x93NUMPY";
constexpr std::size_t kVersionOffset = 6;
constexpr std::size_t kHeaderLengthOffset = 8;

bool Refuse(SourceRefusal& refusal, const std::string& path, std::string reason) {
    refusal = {kErrCannotReadFile, path, 0, std::move(reason)};
    return false;
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    }
    return value;
}

// The quoted text after 'key': in the dictionary; empty when missing.
std::string_view DictionaryValue(std::string_view header, std::string_view key) {
    std::string quoted(1, '\'');
    quoted.append(key).push_back('\'');
    std::size_t at = header.find(quoted);
    if (at == std::string_view::npos) {
        return {};
    }
    at = header.find(':', at + quoted.size());
    if (at == std::string_view::npos) {
        return {};
    }
    std::string_view rest = header.substr(at + 1);
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    const char close = rest.empty()           ? ','
                       : rest.front() == '('  ? ')'
                       : rest.front() == '\'' ? '\''
                                              : ',';
    const std::size_t end = rest.find(close, 1);
    return end == std::string_view::npos ? rest : rest.substr(0, end + 1);
}

// The dimensions of a shape tuple such as "(121, 2000)" or "(6001,)".
bool ParseShape(std::string_view shape, std::vector<std::size_t>& dims) {
    if (shape.size() < 2 || shape.front() != '(' || shape.back() != ')') {
        return false;
    }
    std::size_t value = 0;
    bool digits = false;
    for (const char c : shape.substr(1)) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<std::size_t>(c - '0');
            digits = true;
        } else if (c == ',' || c == ')') {
            if (digits) {
                dims.push_back(value);
            }
            value = 0;
            digits = false;
        } else if (c != ' ' && c != 'L') {
            return false;
        }
    }
    return true;
}

struct ElementType {
    char Kind = 'f';  // 'f' float, 'i' signed integer
    std::size_t Bytes = 0;
    bool BigEndian = false;
};

bool ParseDescr(std::string_view descr, ElementType& type) {
    // '<f8', '>i2', '|i1' (one byte: no order)
    if (descr.size() != 5 || descr.front() != '\'' || descr.back() != '\'') {
        return false;
    }
    const char order = descr[1];
    type.Kind = descr[2];
    type.Bytes = static_cast<std::size_t>(descr[3] - '0');
    type.BigEndian = order == '>' || (order == '=' && std::endian::native == std::endian::big);
    const bool knownOrder = order == '<' || order == '>' || order == '=' || order == '|';
    return knownOrder && ((type.Kind == 'f' && (type.Bytes == 4 || type.Bytes == 8)) ||
                          (type.Kind == 'i' && (type.Bytes == 2 || type.Bytes == 4)));
}

double Element(const char* p, const ElementType& type) {
    unsigned char bytes[8];
    for (std::size_t i = 0; i < type.Bytes; ++i) {
        bytes[i] = static_cast<unsigned char>(p[type.BigEndian ? type.Bytes - 1 - i : i]);
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < type.Bytes; ++i) {
        word |= std::uint64_t{bytes[i]} << (8 * i);
    }
    if (type.Kind == 'f') {
        return type.Bytes == 4 ? std::bit_cast<float>(static_cast<std::uint32_t>(word))
                               : std::bit_cast<double>(word);
    }
    return type.Bytes == 2 ? static_cast<std::int16_t>(word) : static_cast<std::int32_t>(word);
}

}  // namespace

bool ReadNumpyRecording(const std::string& path, ArrayRecording& out, SourceRefusal& refusal) {
    MappedFile file;
    if (!MapRecordingFile(path, file, refusal)) {
        return false;
    }
    const std::string_view bytes = file.Bytes();
    if (!bytes.starts_with(kNumpyMagic) || bytes.size() < kHeaderLengthOffset + 2) {
        return Refuse(refusal, path, "not a NumPy .npy file");
    }
    const int major = static_cast<unsigned char>(bytes[kVersionOffset]);
    if (major < 1 || major > 3) {
        return Refuse(
            refusal, path,
            "NumPy format version " + std::to_string(major) + " is not supported (1 to 3 are)");
    }
    const std::size_t lengthBytes = major == 1 ? 2 : 4;
    const std::size_t start = kHeaderLengthOffset + lengthBytes;
    const std::size_t headerLength =
        bytes.size() < start ? 0 : LittleEndian(bytes, kHeaderLengthOffset, lengthBytes);
    if (bytes.size() < start + headerLength || headerLength == 0) {
        return Refuse(refusal, path, "the NumPy header is cut short");
    }
    const std::string_view header = bytes.substr(start, headerLength);
    ElementType type;
    if (!ParseDescr(DictionaryValue(header, "descr"), type)) {
        return Refuse(refusal, path,
                      "NumPy element type " + std::string(DictionaryValue(header, "descr")) +
                          " is not supported (float32, float64, int16, int32 are)");
    }
    const bool fortran = DictionaryValue(header, "fortran_order").starts_with("True");
    std::vector<std::size_t> dims;
    if (!ParseShape(DictionaryValue(header, "shape"), dims) || dims.empty() || dims.size() > 2) {
        return Refuse(refusal, path,
                      "NumPy shape " + std::string(DictionaryValue(header, "shape")) +
                          ": one trace (1-D) or one trace a row (2-D) is read");
    }
    const std::size_t rows = dims.size() == 2 ? dims[0] : 1;
    const std::size_t columns = dims.back();
    if (!CheckRecordLimit(rows, path, refusal)) {
        return false;
    }
    const std::size_t held = (bytes.size() - start - headerLength) / type.Bytes;
    std::size_t count = 0;
    const bool huge = __builtin_mul_overflow(rows, columns, &count);
    if (huge || count == 0 || held < count) {
        return Refuse(
            refusal, path,
            "holds fewer than the " +
                (huge ? std::string(DictionaryValue(header, "shape")) : std::to_string(count)) +
                " values its shape gives");
    }
    out = ArrayRecording{};
    out.Traces = rows;
    out.Samples = columns;
    out.Values.resize(count);
    const char* data = bytes.data() + start + headerLength;
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            const std::size_t index = fortran ? c * rows + r : r * columns + c;
            out.Values[r * columns + c] = Element(data + index * type.Bytes, type);
        }
    }
    return true;
}

}  // namespace karvelo
