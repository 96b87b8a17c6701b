// The point spectra of the last profile-spectrum run, kept so that a run that changes
// only the band or the contrast does not transform every trace again.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/spectral_options.h"
#include "profile/profile_image.h"

namespace karvelo {

struct AnalysisBuffers;

// What the point spectra depend on besides the profile image itself.
struct ProfileSpectraKey {
    std::uint32_t Points = 0;
    std::uint32_t Traces = 0;  // per point
    std::uint32_t Bins = 0;
    bool Detrend = false;
    SpectralOptions Spectral;
};

struct ProfileSpectraMemo {
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

// After ComputeProfileSpectra succeeded: keeps rows 0 .. Points-1 of ProfileSpectrumGrid,
// the buffers its last transform left (TraceSamples, ResampledTrace, AmplitudeSpectrum)
// and a copy of the image bytes up to the last record the spectra read.
void KeepProfileSpectra(const Image& image, AnalysisBuffers& buffers, const ProfileSpectraKey& key);

// When the key and those image bytes are as at the last KeepProfileSpectra, puts the kept
// rows and buffers back, exactly as computing them again would leave them, and returns
// true; otherwise changes nothing and returns false.
bool RecallProfileSpectra(const Image& image, AnalysisBuffers& buffers,
                          const ProfileSpectraKey& key);

// Forgets what was kept.
void ForgetProfileSpectra(AnalysisBuffers& buffers);

}  // namespace karvelo
