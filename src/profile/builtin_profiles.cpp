#include "profile/builtin_profiles.h"

#include <cstring>

#include "profile/profile_image.h"

namespace karvelo {

namespace {

void WriteI16(Image& image, std::size_t offset, std::int16_t value) {
    std::memcpy(image.bytes.data() + offset, &value, sizeof value);
}
void WriteI32(Image& image, std::size_t offset, std::int32_t value) {
    std::memcpy(image.bytes.data() + offset, &value, sizeof value);
}

// The binary-header fields both profiles write; every other file-header byte is left alone.
void WriteFileHeader(Image& image, std::uint16_t traceCount) {
    // Records of a longer profile written before stay behind this one's: keep them
    // within the image's extent when the trace count shrinks.
    image.written = ImageExtent(image);
    WriteI32(image, 3200, 0);  // job identification number
    WriteI32(image, 3204, 1);  // line number
    WriteU16(image, kTraceCountOffset, traceCount);
    WriteU16(image, 3214, 0);  // auxiliary traces per ensemble
    WriteU16(image, kSampleIntervalOffset, kBuiltInSampleInterval);
    WriteU16(image, 3218, kBuiltInSampleInterval);  // field-recording sample interval
    WriteU16(image, kSamplesPerTraceOffset, kBuiltInSamplesPerTrace);
    WriteU16(image, 3222, kBuiltInSamplesPerTrace);  // field-recording samples per trace
    WriteU16(image, kSampleFormatOffset, kFormatInt32);
    for (std::size_t offset : {3226u, 3228u, 3230u, 3254u, 3256u, 3500u, 3502u, 3504u}) {
        WriteU16(image, offset, 0);
    }
}

// The trace-header fields of one record; only the sequence number varies.
void WriteTraceHeader(Image& image, std::size_t record, std::int32_t sequence,
                      std::int16_t coordinateScalar) {
    const std::size_t base = RecordOffset(record);
    WriteI32(image, base + 0, sequence);   // sequence number within line
    WriteI32(image, base + 4, sequence);   // sequence number within file
    WriteI32(image, base + 8, 0);          // field record number
    WriteI32(image, base + 12, sequence);  // trace number within the field record
    WriteI16(image, base + 28, 0);         // trace identification code
    WriteI16(image, base + 34, 0);         // data use
    for (std::size_t k = 0; k < 6; ++k) {
        WriteI32(image, base + 36 + 4 * k, 0);  // offsets, elevations, depths
    }
    WriteI16(image, base + 68, 0);  // scalar for elevations and depths
    WriteI16(image, base + 70, coordinateScalar);
    for (std::size_t k = 0; k < 4; ++k) {
        WriteI32(image, base + 72 + 4 * k, 0);  // source and group coordinates
    }
    WriteI16(image, base + 88, 1);  // coordinate units
    for (std::size_t k = 0; k < 5; ++k) {
        WriteI16(image, base + 94 + 2 * k, 0);  // uphole times and statics
    }
    for (std::size_t k = 0; k < 3; ++k) {
        WriteI16(image, base + 108 + 2 * k, 0);  // delay, mute start, mute end
    }
    WriteU16(image, base + 114, kBuiltInSamplesPerTrace);
    WriteU16(image, base + 116, kBuiltInSampleInterval);
    for (std::size_t k = 0; k < 8; ++k) {
        WriteI16(image, base + 140 + 2 * k, 0);  // filter frequencies and slopes
    }
    for (std::size_t k = 0; k < 6; ++k) {
        WriteI16(image, base + 156 + 2 * k, 0);  // recording date and time
    }
    WriteI32(image, base + 180, 0);  // ensemble X
    WriteI32(image, base + 184, 0);  // ensemble Y
    WriteI32(image, base + 196, 0);  // shotpoint number
    WriteI16(image, base + 200, 0);  // shotpoint scalar
}

void WriteSamples(Image& image, std::size_t record, const std::int32_t* samples) {
    std::memcpy(image.bytes.data() + SampleOffset(record, 0), samples,
                kBuiltInSamplesPerTrace * kSampleBytes);
}

}  // namespace

void LoadBuiltInProfile1(Image& image) {
    WriteFileHeader(image, kBuiltInProfile1Records);
    for (std::size_t r = 0; r < kBuiltInProfile1Records; ++r) {
        // Records 2k and 2k + 1 are the two channels of hit k + 1.
        WriteTraceHeader(image, r, static_cast<std::int32_t>(r / 2 + 1), -10);
        WriteSamples(image, r, kBuiltInProfile1Samples[r]);
    }
}

void LoadBuiltInProfile2(Image& image) {
    WriteFileHeader(image, kBuiltInProfile2Records);
    for (std::size_t r = 0; r < kBuiltInProfile2Records; ++r) {
        WriteTraceHeader(image, r, static_cast<std::int32_t>(r + 1), 0);
        WriteSamples(image, r, kBuiltInProfile2Samples[r]);
    }
}

}  // namespace karvelo
