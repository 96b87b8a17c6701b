// How a recording is brought into the image, which holds at most 2048 samples per trace
// at a whole number of microseconds: recordings that already fit are taken as they are;
// others are resampled with an anti-aliasing resampler (libsoxr) onto a whole step that
// keeps the whole record, or as much of it as the coarsest allowed step holds.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct soxr;

namespace karvelo {

// The coarsest step the fit chooses on its own, in microseconds (a 50 kHz Nyquist), unless
// the recording's own interval rounded up is coarser.
inline constexpr double kCoarsestFitStepUs = 10.0;

// What the fit does to a recording of Samples samples at IntervalUs.
struct FitPlan {
    std::size_t InputSamples = 0;  // samples of the recording used (all, or the first 2048)
    bool Resample = false;         // resampled onto StepUs (else taken sample for sample)
    double StepUs = 0.0;           // whole interval written, in microseconds
    std::size_t Resampled = 0;     // samples the resampling gives (InputSamples if none)
    std::size_t Samples = 0;       // samples written: Resampled, at most 2048
};

// Whether an interval counts as a whole number of microseconds (text files print times to
// about seven digits, so it may differ from one by a little).
bool IsWholeMicroseconds(double us);

// The plan for samples (>= 1) at intervalUs (> 0): taken as they are when the interval is
// whole and samples <= 2048. Otherwise, by default, resampled onto the smallest whole step
// at or above intervalUs at which round(samples * intervalUs / step) <= 2048, but never
// coarser than max(10 us, intervalUs rounded up), where the first 2048 resampled samples
// are kept. With firstSamples the first 2048 samples are kept and resampled onto
// intervalUs rounded up only when it is not whole.
FitPlan PlanFit(std::size_t samples, double intervalUs, bool firstSamples);

// What the plan does, for the user (one line; empty when the recording is taken as it
// is), e.g. "3127 samples at 1.6 us resampled to 1668 at 3 us (whole record kept)".
std::string FitNote(std::size_t samples, double intervalUs, const FitPlan& plan);

// Resamples traces of the same interval, keeping the filter between them (libsoxr, high
// quality, linear phase: output sample k lies at time k * toUs from the first input sample).
class TraceResampler {
  public:
    // Throws std::runtime_error when libsoxr cannot set up (out of memory).
    TraceResampler(double fromUs, double toUs);

    // round(input.size() * fromUs / toUs) samples; throws std::runtime_error when libsoxr
    // fails (out of memory).
    std::vector<double> Resample(const std::vector<double>& input);

  private:
    double ratio_;  // output samples per input sample
    std::unique_ptr<soxr, void (*)(soxr*)> soxr_;
};

}  // namespace karvelo
