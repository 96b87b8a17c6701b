#include "analysis/amplitude_spectrum.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

#include <fftw3.h>

#include "analysis/analysis_buffers.h"
#include "analysis/fftw_wisdom.h"

namespace karvelo {

namespace {

struct FftwFree {
    void operator()(void* memory) const { fftw_free(memory); }
};
template <typename T>
using FftwBuffer = std::unique_ptr<T[], FftwFree>;

template <typename T>
FftwBuffer<T> AllocateFftw(std::size_t count) {
    return FftwBuffer<T>(static_cast<T*>(fftw_malloc(sizeof(T) * count)));
}

struct PlanDestroy {
    void operator()(fftw_plan plan) const { fftw_destroy_plan(plan); }
};
using FftwPlan = std::unique_ptr<std::remove_pointer_t<fftw_plan>, PlanDestroy>;

}  // namespace

bool ComputeMagnitudes(std::span<const double> signal, std::span<double> magnitudes) {
    const std::size_t n = signal.size();
    const std::size_t bins = n / 2 + 1;
    if (n == 0 || n > static_cast<std::size_t>(INT_MAX) || magnitudes.size() < bins) {
        return false;
    }
    // The complex output gets n values although n/2 + 1 are written: room to spare.
    FftwBuffer<double> input = AllocateFftw<double>(n);
    FftwBuffer<fftw_complex> output = AllocateFftw<fftw_complex>(n);
    if (!input || !output) {
        return false;
    }
    // Measuring overwrites both arrays, so the signal goes in only after planning.
    const FftwPlan plan(PlanRealTransform(static_cast<int>(n), input.get(), output.get()));
    if (!plan) {
        return false;
    }
    std::copy(signal.begin(), signal.end(), input.get());
    fftw_execute(plan.get());
    for (std::size_t k = 0; k < bins; ++k) {
        const double re = output[k][0];
        const double im = output[k][1];
        magnitudes[k] = std::sqrt(re * re + im * im);
    }
    return true;
}

bool ComputeAmplitudeSpectrum(std::uint32_t n) {
    if (n > kMaxResampled) {
        return false;
    }
    return ComputeMagnitudes(std::span<const double>(ResampledTrace.data(), n), AmplitudeSpectrum);
}

}  // namespace karvelo
