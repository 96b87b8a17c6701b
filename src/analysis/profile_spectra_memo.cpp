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
    memo.Samples.assign(TraceSamples.begin(), TraceSamples.begin() + samples);
    memo.Resampled.assign(ResampledTrace.begin(),
                          ResampledTrace.begin() + kResampleFactor * samples);
    memo.Amplitudes.assign(AmplitudeSpectrum.begin(), AmplitudeSpectrum.begin() + key.Bins);
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
    std::ranges::copy(memo.Samples, TraceSamples.begin());
    std::ranges::copy(memo.Resampled, ResampledTrace.begin());
    std::ranges::copy(memo.Amplitudes, AmplitudeSpectrum.begin());
    return true;
}

void ForgetProfileSpectra() {
    Kept().Valid = false;
}

}  // namespace karvelo
