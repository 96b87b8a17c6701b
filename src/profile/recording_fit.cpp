#include "profile/recording_fit.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "profile/profile_image.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

// Whole steps from here on count as at or above the interval (the tolerance of
// IsWholeMicroseconds, so 2.0000001 us is taken as 2 us).
double WholeStepAtOrAbove(double us) {
    return IsWholeMicroseconds(us) ? std::max(1.0, std::round(us)) : std::ceil(us);
}

std::size_t ResampledCount(std::size_t samples, double fromUs, double toUs) {
    return static_cast<std::size_t>(std::llround(static_cast<double>(samples) * fromUs / toUs));
}

}  // namespace

bool IsWholeMicroseconds(double us) {
    return std::abs(us - std::round(us)) <= std::max(1e-3, 1e-6 * us);
}

FitPlan PlanFit(std::size_t samples, double intervalUs, bool firstSamples) {
    FitPlan plan;
    const bool whole = IsWholeMicroseconds(intervalUs) && std::round(intervalUs) >= 1.0;
    plan.InputSamples = firstSamples ? std::min(samples, kMaxSamplesPerTrace) : samples;
    if (whole && (samples <= kMaxSamplesPerTrace || firstSamples)) {
        plan.StepUs = std::round(intervalUs);
        plan.Resampled = plan.Samples = plan.InputSamples;
        return plan;
    }
    plan.Resample = true;
    const double first = WholeStepAtOrAbove(intervalUs);
    if (firstSamples) {
        plan.StepUs = first;
    } else {
        const double coarsest = std::max(kCoarsestFitStepUs, first);
        plan.StepUs = first;
        while (plan.StepUs < coarsest &&
               ResampledCount(samples, intervalUs, plan.StepUs) > kMaxSamplesPerTrace) {
            plan.StepUs += 1.0;
        }
    }
    plan.Resampled = ResampledCount(plan.InputSamples, intervalUs, plan.StepUs);
    plan.Samples = std::min(plan.Resampled, kMaxSamplesPerTrace);
    return plan;
}

std::string FitNote(std::size_t samples, double intervalUs, const FitPlan& plan) {
    const std::string recording =
        std::to_string(samples) + " samples at " + FormatMicroseconds(intervalUs) + " us";
    const std::string resampled =
        std::to_string(plan.Resampled) + " at " + FormatMicroseconds(plan.StepUs) + " us";
    if (plan.InputSamples < samples) {
        const std::string kept = "first " + std::to_string(plan.InputSamples) + " kept";
        return plan.Resample ? recording + ": " + kept + ", resampled to " + resampled
                             : recording + ": " + kept;
    }
    if (!plan.Resample) {
        return {};
    }
    if (plan.Samples < plan.Resampled) {
        return recording + " resampled to " + resampled + ", first " +
               std::to_string(plan.Samples) + " kept (record too long for " +
               std::to_string(kMaxSamplesPerTrace) + " samples at " +
               FormatMicroseconds(plan.StepUs) + " us)";
    }
    return recording + " resampled to " + resampled + " (whole record kept)";
}

TraceResampler::TraceResampler(double fromUs, double toUs)
    : ratio_(fromUs / toUs), soxr_(nullptr, &soxr_delete) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_.reset(soxr_create(1.0 / fromUs, 1.0 / toUs, 1, &error, &io, &quality, nullptr));
    if (error != nullptr || !soxr_) {
        throw std::runtime_error(std::string("resampler: ") + (error ? error : "not created"));
    }
}

std::vector<double> TraceResampler::Resample(const std::vector<double>& input) {
    const std::size_t count =
        static_cast<std::size_t>(std::llround(static_cast<double>(input.size()) * ratio_));
    std::vector<double> output(count + 1);
    std::size_t written = 0;
    std::size_t done = 0;
    soxr_error_t error = soxr_clear(soxr_.get());
    for (std::size_t consumed = 0; error == nullptr && consumed < input.size();) {
        std::size_t taken = 0;
        error = soxr_process(soxr_.get(), input.data() + consumed, input.size() - consumed, &taken,
                             output.data() + written, output.size() - written, &done);
        written += done;
        consumed += taken;
        if (taken == 0 && done == 0) {
            break;
        }
    }
    // The input ended: the filter's tail gives the last samples.
    while (error == nullptr && written < output.size()) {
        error = soxr_process(soxr_.get(), nullptr, 0, nullptr, output.data() + written,
                             output.size() - written, &done);
        if (done == 0) {
            break;
        }
        written += done;
    }
    if (error != nullptr) {
        throw std::runtime_error(std::string("resampler: ") + error);
    }
    output.resize(std::min(written, count));
    output.resize(count, 0.0);
    return output;
}

}  // namespace karvelo
