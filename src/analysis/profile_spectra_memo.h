// The point spectra of the last profile-spectrum run, kept so that a run that changes
// only the band or the contrast does not transform every trace again.
#pragma once

#include <cstdint>

namespace karvelo {

// What the point spectra depend on besides the profile image itself.
struct ProfileSpectraKey {
    std::uint32_t Points = 0;
    std::uint32_t Traces = 0;  // per point
    std::uint32_t Bins = 0;
    bool Detrend = false;
};

// After ComputeProfileSpectra succeeded: keeps rows 0 .. Points-1 of ProfileSpectrumGrid,
// the buffers its last transform left (TraceSamples, ResampledTrace, AmplitudeSpectrum)
// and a copy of the image bytes up to the last record the spectra read.
void KeepProfileSpectra(const ProfileSpectraKey& key);

// When the key and those image bytes are as at the last KeepProfileSpectra, puts the kept
// rows and buffers back, exactly as computing them again would leave them, and returns
// true; otherwise changes nothing and returns false.
bool RecallProfileSpectra(const ProfileSpectraKey& key);

// Forgets what was kept (start of a test).
void ForgetProfileSpectra();

}  // namespace karvelo
