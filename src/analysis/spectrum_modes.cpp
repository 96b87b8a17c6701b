#include "analysis/spectrum_modes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_buffers.h"
#include "analysis/detrend.h"
#include "analysis/frequency_axis.h"
#include "analysis/profile_spectra_memo.h"
#include "analysis/resample.h"
#include "common/error_messages.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

std::uint32_t SpectrumBinCount() {
    return MakeFrequencyAxis(SamplesPerTrace(), SampleInterval(), ProfileTimeUnit).BinCount;
}

bool Refuse() {
    ReportError(kErrInvalidValue, true);
    return false;
}

}  // namespace

void NormaliseSpectrum(std::span<const double> magnitudes, std::span<float> out, bool firstFactor) {
    double largest = magnitudes.empty() ? 0.0 : magnitudes[0];
    for (const double value : magnitudes) {
        if (value > largest) {
            largest = value;
        }
    }
    const bool usable = largest > 0.0 && std::isfinite(largest);
    for (std::size_t i = 0; i < magnitudes.size(); ++i) {
        const float factor = usable ? static_cast<float>(magnitudes[i] / largest) : 0.0f;
        out[i] = firstFactor ? factor : factor * out[i];
    }
}

bool CheckTraceGeometry() {
    const std::uint32_t samples = SamplesPerTrace();
    if (samples < kMinTraceSamples || samples > kMaxSamplesPerTrace || SampleInterval() == 0) {
        return Refuse();
    }
    return true;
}

void LoadTraceSamples(std::size_t record, std::uint32_t sampleCount) {
    const std::uint16_t format = SampleFormat();
    for (std::size_t i = 0; i < sampleCount; ++i) {
        TraceSamples[i] = DecodeSample(format, SampleWord(ProfileImage, record, i));
    }
}

void LoadAveragedSamples(std::size_t firstRecord, std::uint32_t recordCount,
                         std::uint32_t sampleCount) {
    const std::uint16_t format = SampleFormat();
    for (std::size_t i = 0; i < sampleCount; ++i) {
        double sum = 0.0;
        for (std::size_t r = 0; r < recordCount; ++r) {
            sum += DecodeSample(format, SampleWord(ProfileImage, firstRecord + r, i));
        }
        TraceSamples[i] = sum / recordCount;
    }
}

bool TransformTraceSamples(std::uint32_t sampleCount, std::uint32_t sampleInterval, bool detrend) {
    if (detrend) {
        RemoveLinearTrend(std::span(TraceSamples).first(sampleCount));
    }
    return ResampleTrace(sampleCount, sampleInterval) &&
           ComputeAmplitudeSpectrum(kResampleFactor * sampleCount);
}

bool ComputeSelectionSpectrum(const AnalysisRequest& request) {
    if (!CheckTraceGeometry()) {
        return false;
    }
    const std::uint32_t traces = TracesPerPoint;
    if (traces == 0 || request.PointNumber < 1 || request.PointNumber > PointCount ||
        request.TraceNumber >= traces ||
        std::size_t{request.PointNumber} * traces > kMaxTraceRecords) {
        return Refuse();
    }
    const std::uint32_t samples = SamplesPerTrace();
    const std::uint32_t interval = SampleInterval();
    const std::uint32_t bins = SpectrumBinCount();
    const std::size_t firstRecord = std::size_t{request.PointNumber - 1} * traces;
    const std::span<const double> amplitudes(AmplitudeSpectrum.data(), bins);

    // Built aside, so that a refused transform leaves the selection as it was.
    std::array<float, kMaxSpectrumBins> result{};
    const std::span<float> spectrum(result.data(), bins);
    switch (request.SpectrumMode) {
        case kAveragedSpectrum:
            LoadAveragedSamples(firstRecord, traces, samples);
            if (!TransformTraceSamples(samples, interval, request.Detrend)) {
                return Refuse();
            }
            NormaliseSpectrum(amplitudes, spectrum, true);
            break;
        case kSpectrumProduct:
            for (std::uint32_t t = 0; t < traces; ++t) {
                LoadTraceSamples(firstRecord + t, samples);
                if (!TransformTraceSamples(samples, interval, request.Detrend)) {
                    return Refuse();
                }
                NormaliseSpectrum(amplitudes, spectrum, t == 0);
            }
            break;
        default:
            LoadTraceSamples(firstRecord + request.TraceNumber, samples);
            if (!TransformTraceSamples(samples, interval, request.Detrend)) {
                return Refuse();
            }
            NormaliseSpectrum(amplitudes, spectrum, true);
            break;
    }
    std::copy(spectrum.begin(), spectrum.end(), SelectionSpectrum.begin());
    std::copy(spectrum.begin(), spectrum.end(), SpectrumRows.begin());
    return true;
}

bool ComputeProfileSpectra(bool detrend) {
    if (!CheckTraceGeometry()) {
        return false;
    }
    const std::uint32_t traces = TracesPerPoint;
    const std::uint32_t points = PointCount;
    if (traces == 0 || points == 0 || points > kMaxProfilePoints ||
        std::size_t{points} * traces > kMaxTraceRecords) {
        return Refuse();
    }
    const std::uint32_t samples = SamplesPerTrace();
    const std::uint32_t interval = SampleInterval();
    const std::uint32_t bins = SpectrumBinCount();
    // A run after one that changed only the band or the contrast finds its spectra kept.
    const ProfileSpectraKey key{points, traces, bins, detrend};
    if (RecallProfileSpectra(key)) {
        return true;
    }

    // Each point's row is finished before it is stored, so a refusal part-way leaves
    // earlier rows new and later rows old; the caller draws nothing after a refusal.
    std::array<double, kMaxSpectrumBins> product{};
    for (std::uint32_t j = 0; j < points; ++j) {
        for (std::uint32_t t = 0; t < traces; ++t) {
            LoadTraceSamples(std::size_t{j} * traces + t, samples);
            if (!TransformTraceSamples(samples, interval, detrend)) {
                return Refuse();
            }
            for (std::size_t i = 0; i < bins; ++i) {
                product[i] = t == 0 ? AmplitudeSpectrum[i] : product[i] * AmplitudeSpectrum[i];
            }
        }
        std::copy_n(product.begin(), bins, ProfileSpectrumGrid.begin() + j * kMatrixRowStride);
    }
    KeepProfileSpectra(key);
    return true;
}

bool ComputeSpectra(const AnalysisRequest& request) {
    return request.SpectrumMode == kProfileSpectrum ? ComputeProfileSpectra(request.Detrend)
                                                    : ComputeSelectionSpectrum(request);
}

}  // namespace karvelo
