#include "analysis/profile_spectra_memo.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

struct Memo {
    bool Valid = false;
    ProfileSpectraKey Key;
    std::vector<std::uint8_t> Image;  // file header and the records the spectra read
    std::vector<double> Rows;         // Points x Bins
    // What the last trace left in the buffers, as far as a run writes them; a run
    // computed again leaves the rest of each buffer as it finds it, and so does a recall.
    std::vector<double> Samples;
    std::vector<double> Resampled;
    std::vector<double> Amplitudes;
};

template <typename Buffer>
void KeepPrefix(std::vector<double>& kept, const Buffer& buffer, std::size_t count) {
    kept.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
}

template <typename Buffer>
void RestorePrefix(const std::vector<double>& kept, Buffer& buffer) {
    std::copy(kept.begin(), kept.end(), buffer.begin());
}

Memo& Kept() {
    static Memo memo;
    return memo;
}

bool SameKey(const ProfileSpectraKey& a, const ProfileSpectraKey& b) {
    return a.Points == b.Points && a.Traces == b.Traces && a.Bins == b.Bins &&
           a.Detrend == b.Detrend;
}

// The header (sample format, interval, counts) and every record the spectra read.
std::size_t ImageBytesRead(const ProfileSpectraKey& key) {
    return RecordOffset(std::size_t{key.Points} * key.Traces);
}

}  // namespace

void KeepProfileSpectra(const ProfileSpectraKey& key) {
    Memo& memo = Kept();
    const std::size_t bytes = ImageBytesRead(key);
    memo.Image.assign(ProfileImage.bytes.begin(), ProfileImage.bytes.begin() + bytes);
    memo.Rows.resize(std::size_t{key.Points} * key.Bins);
    for (std::size_t j = 0; j < key.Points; ++j) {
        std::copy_n(ProfileSpectrumGrid.begin() + j * kMatrixRowStride, key.Bins,
                    memo.Rows.begin() + j * key.Bins);
    }
    const std::size_t samples = std::min<std::size_t>(SamplesPerTrace(), kMaxSamplesPerTrace);
    KeepPrefix(memo.Samples, TraceSamples, samples);
    KeepPrefix(memo.Resampled, ResampledTrace, kResampleFactor * samples);
    KeepPrefix(memo.Amplitudes, AmplitudeSpectrum, key.Bins);
    memo.Key = key;
    memo.Valid = true;
}

bool RecallProfileSpectra(const ProfileSpectraKey& key) {
    const Memo& memo = Kept();
    if (!memo.Valid || !SameKey(memo.Key, key) ||
        std::memcmp(memo.Image.data(), ProfileImage.bytes.data(), memo.Image.size()) != 0) {
        return false;
    }
    for (std::size_t j = 0; j < key.Points; ++j) {
        std::copy_n(memo.Rows.begin() + j * key.Bins, key.Bins,
                    ProfileSpectrumGrid.begin() + j * kMatrixRowStride);
    }
    RestorePrefix(memo.Samples, TraceSamples);
    RestorePrefix(memo.Resampled, ResampledTrace);
    RestorePrefix(memo.Amplitudes, AmplitudeSpectrum);
    return true;
}

void ForgetProfileSpectra() {
    Kept().Valid = false;
}

}  // namespace karvelo
