// FFTW's wisdom kept between runs of the program, so that a fresh process does not
// measure its transform plans again.
#pragma once

#include <filesystem>

#include <fftw3.h>

namespace karvelo {

// The per-user cache file: $XDG_CACHE_HOME/karvelo/fftw-wisdom when XDG_CACHE_HOME is
// an absolute path, else $HOME/.cache/karvelo/fftw-wisdom. Empty when neither is set.
std::filesystem::path FftwWisdomPath();

// Imports the cache file into FFTW; the front ends call it once at start. A missing,
// unreadable or corrupt file is ignored silently (FFTW then starts without wisdom).
void LoadFftwWisdom();

// Writes FFTW's current wisdom to the cache file (created with its folder, replaced
// whole). Any failure is ignored silently.
void SaveFftwWisdom();

// Real-to-complex plan of length n over in (n doubles) and out (n/2 + 1 complex
// values) with FFTW_MEASURE. Reuses wisdom when FFTW has it; otherwise measures,
// which overwrites both arrays, and saves the new wisdom. Null when FFTW fails.
fftw_plan PlanRealTransform(int n, double* in, fftw_complex* out);

}  // namespace karvelo
