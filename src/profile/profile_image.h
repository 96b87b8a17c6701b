// The profile image store: one SEG-Y image (3600-byte file header, then fixed-size
// trace records) held in memory, with native little-endian fields and samples.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <span>

namespace karvelo {

inline constexpr std::size_t kTextHeaderBytes = 3200;
inline constexpr std::size_t kFileHeaderBytes = 3600;
inline constexpr std::size_t kTraceHeaderBytes = 240;
inline constexpr std::size_t kMaxSamplesPerTrace = 2048;
inline constexpr std::size_t kSampleBytes = 4;
inline constexpr std::size_t kTraceRecordBytes =
    kTraceHeaderBytes + kMaxSamplesPerTrace * kSampleBytes;  // 8432
inline constexpr std::size_t kMaxTraceRecords = 1000;
inline constexpr std::size_t kImageBytes =
    kFileHeaderBytes + kMaxTraceRecords * kTraceRecordBytes;  // 8,435,600

static_assert(kTraceRecordBytes == 8432);
static_assert(kImageBytes == 8435600);

// Image offsets of the binary-header fields the program reads (u16 each).
inline constexpr std::size_t kTraceCountOffset = 3212;
inline constexpr std::size_t kSampleIntervalOffset = 3216;
inline constexpr std::size_t kSamplesPerTraceOffset = 3220;
inline constexpr std::size_t kSampleFormatOffset = 3224;

// Sample format codes (only the low 16 bits of the header field count).
enum SampleFormatCode : std::uint16_t {
    kFormatIeeeFloat = 1,
    kFormatInt32 = 2,
    kFormatUInt32 = 3,
};

// kImageBytes bytes that read as zero until written. They are pages the system maps on
// first write, so the 8 MB an image can hold costs nothing where a profile does not reach:
// making a profile, a survey's worker or a preview touches only what it fills.
class ImageBytes {
  public:
    ImageBytes();
    ~ImageBytes();
    ImageBytes(const ImageBytes&) = delete;
    ImageBytes& operator=(const ImageBytes&) = delete;

    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    static constexpr std::size_t size() { return kImageBytes; }
    std::uint8_t* begin() { return data_; }
    std::uint8_t* end() { return data_ + kImageBytes; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + kImageBytes; }

  private:
    std::uint8_t* data_;
};

struct Image {
    ImageBytes bytes;
    // Bytes past this point and past the records of the header's trace count are all
    // zero; writers that go further (a whole image file) raise it. The copies and the
    // clearing below stop there, so a short profile never touches the image's slack.
    std::size_t written = 0;
};

// The time unit of the loaded profile's sample interval, set by its source.
enum class TimeUnit : std::uint8_t {
    kByImageRule,   // the program's own images: 2048 samples microseconds, otherwise picoseconds
    kMicroseconds,  // recordings opened from disk, whatever their sample count
};

// Whether samplesPerTrace samples with the given unit are timed in microseconds.
constexpr bool TimeInMicroseconds(std::uint32_t samplesPerTrace, TimeUnit unit) {
    return unit == TimeUnit::kMicroseconds || samplesPerTrace == kMaxSamplesPerTrace;
}

// Native-order field access at an image offset.
inline std::uint16_t ReadU16(const Image& image, std::size_t offset) {
    std::uint16_t value;
    std::memcpy(&value, image.bytes.data() + offset, sizeof value);
    return value;
}
inline std::uint32_t ReadU32(const Image& image, std::size_t offset) {
    std::uint32_t value;
    std::memcpy(&value, image.bytes.data() + offset, sizeof value);
    return value;
}
inline void WriteU16(Image& image, std::size_t offset, std::uint16_t value) {
    std::memcpy(image.bytes.data() + offset, &value, sizeof value);
}
inline void WriteU32(Image& image, std::size_t offset, std::uint32_t value) {
    std::memcpy(image.bytes.data() + offset, &value, sizeof value);
}

inline std::uint16_t TraceCount(const Image& image) {
    return ReadU16(image, kTraceCountOffset);
}
inline std::uint16_t SampleInterval(const Image& image) {
    return ReadU16(image, kSampleIntervalOffset);
}
inline std::uint16_t SamplesPerTrace(const Image& image) {
    return ReadU16(image, kSamplesPerTraceOffset);
}
inline std::uint16_t SampleFormat(const Image& image) {
    return ReadU16(image, kSampleFormatOffset);
}

// Image offset of trace record r (0-based) and of its sample s.
constexpr std::size_t RecordOffset(std::size_t record) {
    return kFileHeaderBytes + kTraceRecordBytes * record;
}
constexpr std::size_t SampleOffset(std::size_t record, std::size_t sample) {
    return RecordOffset(record) + kTraceHeaderBytes + kSampleBytes * sample;
}

// Pointer to the first sample word of record r; sample s is 4*s bytes further on.
inline const std::uint8_t* RecordSamples(const Image& image, std::size_t record) {
    return image.bytes.data() + SampleOffset(record, 0);
}

inline std::uint32_t SampleWord(const Image& image, std::size_t record, std::size_t sample) {
    return ReadU32(image, SampleOffset(record, sample));
}

// The value of one stored sample word by format code (1 IEEE single, 2 signed 32-bit,
// 3 unsigned 32-bit, anything else 0.0).
double DecodeSample(std::uint16_t formatCode, std::uint32_t word);

// out.size() sample words from words (4 bytes each) decoded by formatCode, as
// DecodeSample decodes each.
void DecodeSampleWords(std::uint16_t formatCode, const std::uint8_t* words, std::span<double> out);

// Samples 0 .. out.size()-1 of a record decoded by the image's format.
void DecodeRecordSamples(const Image& image, std::size_t record, std::span<double> out);

// The sample word that carries value in the given format (the inverse of DecodeSample
// for sample values; 0 for unknown formats).
std::uint32_t EncodeSample(std::uint16_t formatCode, double value);

// How far image may hold nonzero bytes: its written mark or the end of the records its
// header counts, whichever is further.
std::size_t ImageExtent(const Image& image);

// to = from, byte for byte over the whole image, touching only the extents of both.
void CopyImage(const Image& from, Image& to);

// Every byte of image zero again, touching only its extent.
void ClearImage(Image& image);

}  // namespace karvelo
