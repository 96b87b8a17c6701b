#include "analysis/profile_spectra_memo.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

bool SameKey(const ProfileSpectraKey& a, const ProfileSpectraKey& b) {
    return a.Points == b.Points && a.Traces == b.Traces && a.Bins == b.Bins &&
           a.Detrend == b.Detrend && a.Spectral == b.Spectral;
}

// The header (sample format, interval, counts) and every record the spectra read.
std::size_t ImageBytesRead(const ProfileSpectraKey& key) {
    return RecordOffset(std::size_t{key.Points} * key.Traces);
}

}  // namespace

void KeepProfileSpectra(const Image& image, AnalysisBuffers& buffers,
                        const ProfileSpectraKey& key) {
    ProfileSpectraMemo& memo = buffers.KeptSpectra;
    const std::size_t bytes = ImageBytesRead(key);
    memo.Image.assign(image.bytes.begin(), image.bytes.begin() + bytes);
    memo.Rows.resize(std::size_t{key.Points} * key.Bins);
    for (std::size_t j = 0; j < key.Points; ++j) {
        std::copy_n(buffers.ProfileSpectrumGrid.begin() + j * buffers.GridStride, key.Bins,
                    memo.Rows.begin() + j * key.Bins);
    }
    const std::size_t samples = std::min<std::size_t>(SamplesPerTrace(image), kMaxSamplesPerTrace);
    memo.Samples.assign(buffers.TraceSamples.begin(), buffers.TraceSamples.begin() + samples);
    memo.Resampled.assign(buffers.ResampledTrace.begin(),
                          buffers.ResampledTrace.begin() + kResampleFactor * samples);
    memo.Amplitudes.assign(buffers.AmplitudeSpectrum.begin(),
                           buffers.AmplitudeSpectrum.begin() + key.Bins);
    memo.Key = key;
    memo.Valid = true;
}

bool RecallProfileSpectra(const Image& image, AnalysisBuffers& buffers,
                          const ProfileSpectraKey& key) {
    const ProfileSpectraMemo& memo = buffers.KeptSpectra;
    if (!memo.Valid || !SameKey(memo.Key, key) ||
        std::memcmp(memo.Image.data(), image.bytes.data(), memo.Image.size()) != 0) {
        return false;
    }
    for (std::size_t j = 0; j < key.Points; ++j) {
        std::copy_n(memo.Rows.begin() + j * key.Bins, key.Bins,
                    buffers.ProfileSpectrumGrid.begin() + j * buffers.GridStride);
    }
    std::ranges::copy(memo.Samples, buffers.TraceSamples.begin());
    std::ranges::copy(memo.Resampled, buffers.ResampledTrace.begin());
    std::ranges::copy(memo.Amplitudes, buffers.AmplitudeSpectrum.begin());
    return true;
}

void ForgetProfileSpectra(AnalysisBuffers& buffers) {
    buffers.KeptSpectra.Valid = false;
}

}  // namespace karvelo
