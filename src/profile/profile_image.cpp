#include "profile/profile_image.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <new>

namespace karvelo {

namespace {

template <std::uint16_t Format>
double DecodeAs(std::uint32_t word) {
    if constexpr (Format == kFormatIeeeFloat) {
        return static_cast<double>(std::bit_cast<float>(word));
    } else if constexpr (Format == kFormatInt32) {
        return static_cast<double>(static_cast<std::int32_t>(word));
    } else {
        return static_cast<double>(word);
    }
}

template <std::uint16_t Format>
void DecodeWords(const std::uint8_t* words, std::span<double> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint32_t word;
        std::memcpy(&word, words + kSampleBytes * i, sizeof word);
        out[i] = DecodeAs<Format>(word);
    }
}

}  // namespace

double DecodeSample(std::uint16_t formatCode, std::uint32_t word) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return DecodeAs<kFormatIeeeFloat>(word);
        case kFormatInt32:
            return DecodeAs<kFormatInt32>(word);
        case kFormatUInt32:
            return DecodeAs<kFormatUInt32>(word);
        default:
            return 0.0;
    }
}

void DecodeSampleWords(std::uint16_t formatCode, const std::uint8_t* words, std::span<double> out) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return DecodeWords<kFormatIeeeFloat>(words, out);
        case kFormatInt32:
            return DecodeWords<kFormatInt32>(words, out);
        case kFormatUInt32:
            return DecodeWords<kFormatUInt32>(words, out);
        default:
            std::fill(out.begin(), out.end(), 0.0);
    }
}

void DecodeRecordSamples(const Image& image, std::size_t record, std::span<double> out) {
    DecodeSampleWords(SampleFormat(image), RecordSamples(image, record), out);
}

std::uint32_t EncodeSample(std::uint16_t formatCode, double value) {
    switch (formatCode) {
        case kFormatIeeeFloat:
            return std::bit_cast<std::uint32_t>(static_cast<float>(value));
        case kFormatInt32:
            return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
        case kFormatUInt32:
            return static_cast<std::uint32_t>(value);
        default:
            return 0;
    }
}

std::size_t ImageExtent(const Image& image) {
    const std::size_t records = std::min<std::size_t>(TraceCount(image), kMaxTraceRecords);
    return std::min(kImageBytes, std::max(image.written, RecordOffset(records)));
}

void CopyImage(const Image& from, Image& to) {
    if (&from == &to) {
        return;
    }
    const std::size_t source = ImageExtent(from);
    const std::size_t target = ImageExtent(to);
    std::memcpy(to.bytes.data(), from.bytes.data(), source);
    // What the target held beyond the source's extent is zero in the source.
    if (target > source) {
        std::memset(to.bytes.data() + source, 0, target - source);
    }
    to.written = source;
}

ImageBytes::ImageBytes() {
    void* pages =
        mmap(nullptr, kImageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) {
        throw std::bad_alloc();
    }
    data_ = static_cast<std::uint8_t*>(pages);
}

ImageBytes::~ImageBytes() {
    munmap(data_, kImageBytes);
}

void ClearImage(Image& image) {
    std::memset(image.bytes.data(), 0, ImageExtent(image));
    image.written = 0;
}

}  // namespace karvelo
