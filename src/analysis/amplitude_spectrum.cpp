#include "analysis/amplitude_spectrum.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include <fftw3.h>

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

// One plan per transform length, made once (from the wisdom, or measured) over its own
// aligned arrays and kept for the whole program. A plan made again from the wisdom
// would be the same algorithm, so keeping it changes no value, only the cost of
// planning every transform anew.
struct KeptTransform {
    std::size_t n = 0;
    TransformPlanning planning = TransformPlanning::Measured;
    FftwBuffer<double> input;
    FftwBuffer<fftw_complex> output;
    FftwPlan plan;
};

// Planning is not thread-safe in FFTW, so plans are looked up and made under one lock;
// executing a kept plan on a thread's own arrays is.
std::mutex& PlanLock() {
    static std::mutex lock;
    return lock;
}

const KeptTransform* TransformOfLength(std::size_t n, TransformPlanning planning) {
    const std::lock_guard<std::mutex> guard(PlanLock());
    static std::vector<std::unique_ptr<KeptTransform>> kept;
    for (const auto& transform : kept) {
        if (transform->n == n && transform->planning == planning) {
            return transform.get();
        }
    }
    auto transform = std::make_unique<KeptTransform>();
    transform->n = n;
    transform->planning = planning;
    // The complex output gets n values although n/2 + 1 are written: room to spare.
    transform->input = AllocateFftw<double>(n);
    transform->output = AllocateFftw<fftw_complex>(n);
    if (!transform->input || !transform->output) {
        return nullptr;
    }
    // Measuring overwrites both arrays; they hold no signal yet.
    const int length = static_cast<int>(n);
    transform->plan.reset(
        planning == TransformPlanning::Measured
            ? PlanRealTransform(length, transform->input.get(), transform->output.get())
            : fftw_plan_dft_r2c_1d(length, transform->input.get(), transform->output.get(),
                                   FFTW_ESTIMATE));
    if (!transform->plan) {
        return nullptr;
    }
    kept.push_back(std::move(transform));
    return kept.back().get();
}

// The arrays a transform writes (and a signal not aligned as the plan's input is copied
// to), one set per thread, so that traces can be transformed on several threads with the
// kept plans. Allocated by fftw_malloc, so aligned as the plans' own arrays.
struct TransformScratch {
    std::size_t n = 0;
    FftwBuffer<double> input;
    FftwBuffer<fftw_complex> output;
};

TransformScratch* ScratchOfLength(std::size_t n) {
    thread_local TransformScratch scratch;
    if (scratch.n < n) {
        scratch.input = AllocateFftw<double>(n);
        scratch.output = AllocateFftw<fftw_complex>(n);
        scratch.n = scratch.input && scratch.output ? n : 0;
    }
    return scratch.n >= n ? &scratch : nullptr;
}

}  // namespace

bool ComputeMagnitudes(std::span<const double> signal, std::span<double> magnitudes,
                       TransformPlanning planning) {
    const std::size_t n = signal.size();
    const std::size_t bins = n / 2 + 1;
    if (n == 0 || n > static_cast<std::size_t>(INT_MAX) || magnitudes.size() < bins) {
        return false;
    }
    const KeptTransform* transform = TransformOfLength(n, planning);
    TransformScratch* scratch = ScratchOfLength(n);
    if (transform == nullptr || scratch == nullptr) {
        return false;
    }
    // An out-of-place real transform leaves its input as it was, so a signal aligned as
    // the plan's own array is transformed where it lies; any other is copied first.
    double* input = const_cast<double*>(signal.data());
    if (fftw_alignment_of(input) != fftw_alignment_of(transform->input.get())) {
        std::copy(signal.begin(), signal.end(), scratch->input.get());
        input = scratch->input.get();
    }
    fftw_complex* output = scratch->output.get();
    fftw_execute_dft_r2c(transform->plan.get(), input, output);
    for (std::size_t k = 0; k < bins; ++k) {
        const double re = output[k][0];
        const double im = output[k][1];
        magnitudes[k] = std::sqrt(re * re + im * im);
    }
    return true;
}

}  // namespace karvelo
