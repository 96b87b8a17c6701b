// Recordings stored as arrays of amplitudes without a time axis (NumPy, WAV, MATLAB): the
// readers of each kind and the source that joins their files into a profile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "profile/profile_source.h"

namespace karvelo {

// One file's traces.
struct ArrayRecording {
    std::size_t Traces = 0;      // records
    std::size_t Samples = 0;     // samples per trace
    std::uint32_t Channels = 1;  // 2: records 2k, 2k + 1 are channels 1 and 2 of hit k
    double IntervalUs = 0.0;     // as the file gives it; 0: the file gives none
    std::vector<double> Values;  // Traces * Samples, trace by trace
};

// Each reader fills out from path or fills refusal (error 6 when the file cannot be
// opened, 8 for its content) and returns false.

// NumPy .npy, format versions 1 to 3: little- or big-endian float32, float64, int16 or
// int32 in C or Fortran order; one dimension is one trace, two are one trace a row.
bool ReadNumpyRecording(const std::string& path, ArrayRecording& out, SourceRefusal& refusal);

// WAV through libsndfile: PCM of 8 to 32 bits or float, one or two channels (scaled to
// -1 .. 1); the sample rate gives the interval.
bool ReadWavRecording(const std::string& path, ArrayRecording& out, SourceRefusal& refusal);

// MATLAB .mat, v5 or v7.3, through matio: the numeric vector or matrix named variable, or
// the first one in the file (scalars aside); a matrix's longer dimension is time, so
// rows or columns are the traces. A scalar "dt" (seconds) or "fs" (Hz) gives the interval.
bool ReadMatlabRecording(const std::string& path, const std::string& variable, ArrayRecording& out,
                         SourceRefusal& refusal);

// Which reader an ArraySource uses.
enum class ArrayKind { kNumpy, kWav, kMatlab };

// The files of one array kind, joined in the order given: they must agree in samples,
// channels and interval. A file without an interval takes options.IntervalUs.
class ArraySource : public ProfileSource {
  public:
    ArraySource(ArrayKind kind, std::vector<std::string> paths);
    bool WriteSourceImage(Image& image, const SourceOptions& options, SourceSummary& summary,
                          SourceRefusal& refusal) override;

  private:
    ArrayKind kind_;
    std::vector<std::string> paths_;
};

}  // namespace karvelo
