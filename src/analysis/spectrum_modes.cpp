#include "analysis/spectrum_modes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_buffers.h"
#include "analysis/detrend.h"
#include "analysis/frequency_axis.h"
#include "analysis/profile_spectra_memo.h"
#include "analysis/resample.h"
#include "analysis/spectral_window.h"
#include "common/error_messages.h"
#include "profile/profile.h"

namespace karvelo {

namespace {

std::uint32_t SpectrumBinCount(const Profile& profile, const SpectralOptions& spectral) {
    return MakeFrequencyAxis(SamplesPerTrace(profile.image), SampleInterval(profile.image),
                             profile.Unit, spectral.ZeroPad)
        .BinCount;
}

bool Refuse() {
    ReportError(kErrInvalidValue, true);
    return false;
}

// The buffers a trace passes through on its way to its amplitude spectrum: the static
// ones of the program, or a thread's own.
struct TraceWork {
    std::span<double> samples;    // kMaxSamplesPerTrace
    std::span<double> resampled;  // kMaxResampled
    std::span<double> spectrum;   // kMaxSpectrumBins
};

TraceWork StaticWork(AnalysisBuffers& buffers) {
    return {buffers.TraceSamples, buffers.ResampledTrace, buffers.AmplitudeSpectrum};
}

bool TransformSamples(const TraceWork& work, std::uint32_t sampleCount,
                      std::uint32_t sampleInterval, bool detrend, const SpectralOptions& spectral) {
    if (sampleCount > kMaxSamplesPerTrace) {
        return false;
    }
    const std::span<double> samples = work.samples.first(sampleCount);
    if (detrend) {
        RemoveLinearTrend(samples);
    }
    return ResampleFivefold(samples, sampleInterval, work.resampled) &&
           ComputeSpectralMagnitudes(work.resampled.first(kResampleFactor * sampleCount), spectral,
                                     work.spectrum);
}

struct ProfileGeometry {
    const Image* image = nullptr;
    std::uint32_t traces = 0;  // per point
    std::uint32_t samples = 0;
    std::uint32_t interval = 0;
    std::uint32_t bins = 0;
    bool detrend = false;
    SpectralOptions spectral;
};

// Point j's row: the product of the raw amplitude spectra of its traces, written to row
// only when every trace was transformed.
bool PointSpectrum(std::uint32_t j, const ProfileGeometry& g, const TraceWork& work,
                   std::span<double> row) {
    // Every bin written by the first trace; one per thread, too large for a stack. Sized to
    // the spectrum at hand: a thread of its own starts for each map, and room for the
    // largest zero-padded spectrum would cost it 320 KB to clear.
    thread_local std::vector<double> product;
    if (product.size() < g.bins) {
        product.resize(g.bins);
    }
    for (std::uint32_t t = 0; t < g.traces; ++t) {
        DecodeRecordSamples(*g.image, std::size_t{j} * g.traces + t, work.samples.first(g.samples));
        if (!TransformSamples(work, g.samples, g.interval, g.detrend, g.spectral)) {
            return false;
        }
        for (std::size_t i = 0; i < g.bins; ++i) {
            product[i] = t == 0 ? work.spectrum[i] : product[i] * work.spectrum[i];
        }
    }
    std::copy_n(product.begin(), g.bins, row.begin());
    return true;
}

// Points first .. last-1 in order into their grid rows with the static buffers; stops at
// the first point a trace of which the resampling refuses.
bool PointSpectraInOrder(AnalysisBuffers& buffers, std::uint32_t first, std::uint32_t last,
                         const ProfileGeometry& g) {
    for (std::uint32_t j = first; j < last; ++j) {
        if (!PointSpectrum(j, g, StaticWork(buffers), GridRow(buffers, j))) {
            return false;
        }
    }
    return true;
}

// Fewest traces for which a second thread pays for its start.
constexpr std::size_t kMinTracesForTwoThreads = 8;

// The same rows on two threads: this one takes the first points, a second thread the
// rest into rows of its own, copied in when both succeeded. Every value is
// computed by the same code from the same samples, so the rows are bit for bit those of
// one thread; at the end the static buffers hold the last trace's, as in order. A
// refusal anywhere falls back to the order of one thread from the first point not yet
// stored, which leaves the rows and buffers exactly as that order does.
bool PointSpectraOnTwoThreads(AnalysisBuffers& buffers, std::uint32_t points,
                              const ProfileGeometry& g) {
    // The first point makes the transform's plan and the resampling grid, which the
    // threads then only read.
    if (!PointSpectrum(0, g, StaticWork(buffers), GridRow(buffers, 0))) {
        return false;
    }
    // The second thread starts late, so it takes the smaller share of the points left.
    const std::uint32_t half = 1 + points / 2;
    SecondThreadWork& kept = buffers.SecondThread;
    std::vector<double>& rows = kept.Rows;
    std::vector<double>& samples = kept.Samples;
    std::vector<double>& resampled = kept.Resampled;
    std::vector<double>& spectrum = kept.Spectrum;
    samples.resize(kMaxSamplesPerTrace);
    resampled.resize(kMaxResampled);
    spectrum.resize(kMaxSpectrumBins);
    rows.resize(std::size_t{points - half} * g.bins);
    const TraceWork work{samples, resampled, spectrum};
    bool secondDone = true;
    std::thread second;
    try {
        second = std::thread([&] {
            for (std::uint32_t j = half; j < points && secondDone; ++j) {
                secondDone = PointSpectrum(
                    j, g, work, std::span(rows).subspan(std::size_t{j - half} * g.bins, g.bins));
            }
        });
    } catch (const std::system_error&) {
        return PointSpectraInOrder(buffers, 1, points, g);  // no thread to be had
    }
    const bool firstDone = PointSpectraInOrder(buffers, 1, half, g);
    second.join();
    if (!firstDone) {
        return false;
    }
    if (!secondDone) {
        return PointSpectraInOrder(buffers, half, points, g);
    }
    for (std::uint32_t j = half; j < points; ++j) {
        std::copy_n(rows.begin() + std::size_t{j - half} * g.bins, g.bins,
                    GridRow(buffers, j).begin());
    }
    std::copy_n(samples.begin(), g.samples, buffers.TraceSamples.begin());
    std::copy_n(resampled.begin(), kResampleFactor * g.samples, buffers.ResampledTrace.begin());
    std::copy_n(spectrum.begin(), g.bins, buffers.AmplitudeSpectrum.begin());
    return true;
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

bool CheckTraceGeometry(const Profile& profile) {
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    if (samples < kMinTraceSamples || samples > kMaxSamplesPerTrace ||
        SampleInterval(profile.image) == 0) {
        return Refuse();
    }
    return true;
}

void LoadTraceSamples(const Profile& profile, AnalysisBuffers& buffers, std::size_t record,
                      std::uint32_t sampleCount) {
    DecodeRecordSamples(profile.image, record, std::span(buffers.TraceSamples).first(sampleCount));
}

void LoadAveragedSamples(const Profile& profile, AnalysisBuffers& buffers, std::size_t firstRecord,
                         std::uint32_t recordCount, std::uint32_t sampleCount) {
    const std::uint16_t format = SampleFormat(profile.image);
    for (std::size_t i = 0; i < sampleCount; ++i) {
        double sum = 0.0;
        for (std::size_t r = 0; r < recordCount; ++r) {
            sum += DecodeSample(format, SampleWord(profile.image, firstRecord + r, i));
        }
        buffers.TraceSamples[i] = sum / recordCount;
    }
}

bool TransformTraceSamples(AnalysisBuffers& buffers, std::uint32_t sampleCount,
                           std::uint32_t sampleInterval, bool detrend,
                           const SpectralOptions& spectral) {
    return TransformSamples(StaticWork(buffers), sampleCount, sampleInterval, detrend, spectral);
}

bool ComputeSelectionSpectrum(const Profile& profile, AnalysisBuffers& buffers,
                              const AnalysisRequest& request) {
    if (!CheckTraceGeometry(profile)) {
        return false;
    }
    const std::uint32_t traces = profile.TracesPerPoint;
    if (traces == 0 || request.PointNumber < 1 || request.PointNumber > profile.PointCount ||
        request.TraceNumber >= traces ||
        std::size_t{request.PointNumber} * traces > kMaxTraceRecords) {
        return Refuse();
    }
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const std::uint32_t bins = SpectrumBinCount(profile, request.Spectral);
    const std::size_t firstRecord = std::size_t{request.PointNumber - 1} * traces;
    const std::span<const double> amplitudes(buffers.AmplitudeSpectrum.data(), bins);

    // Built aside, so that a refused transform leaves the selection as it was.
    thread_local std::vector<float> result(kMaxSpectrumBins);
    const std::span<float> spectrum(result.data(), bins);
    const SpectralOptions& spectral = request.Spectral;
    switch (request.SpectrumMode) {
        case kAveragedSpectrum:
            LoadAveragedSamples(profile, buffers, firstRecord, traces, samples);
            if (!TransformTraceSamples(buffers, samples, interval, request.Detrend, spectral)) {
                return Refuse();
            }
            NormaliseSpectrum(amplitudes, spectrum, true);
            break;
        case kSpectrumProduct:
            for (std::uint32_t t = 0; t < traces; ++t) {
                LoadTraceSamples(profile, buffers, firstRecord + t, samples);
                if (!TransformTraceSamples(buffers, samples, interval, request.Detrend, spectral)) {
                    return Refuse();
                }
                NormaliseSpectrum(amplitudes, spectrum, t == 0);
            }
            break;
        default:
            LoadTraceSamples(profile, buffers, firstRecord + request.TraceNumber, samples);
            if (!TransformTraceSamples(buffers, samples, interval, request.Detrend, spectral)) {
                return Refuse();
            }
            NormaliseSpectrum(amplitudes, spectrum, true);
            break;
    }
    std::copy(spectrum.begin(), spectrum.end(), buffers.SelectionSpectrum.begin());
    std::copy(spectrum.begin(), spectrum.end(), buffers.SpectrumRows.begin());
    return true;
}

bool ComputeProfileSpectra(const Profile& profile, AnalysisBuffers& buffers, bool detrend,
                           const SpectralOptions& spectral) {
    if (!CheckTraceGeometry(profile)) {
        return false;
    }
    const std::uint32_t traces = profile.TracesPerPoint;
    const std::uint32_t points = profile.PointCount;
    if (traces == 0 || points == 0 || points > kMaxProfilePoints ||
        std::size_t{points} * traces > kMaxTraceRecords) {
        return Refuse();
    }
    const std::uint32_t bins = SpectrumBinCount(profile, spectral);
    ReservePointRows(buffers, points, bins);
    // A run after one that changed only the band or the contrast finds its spectra kept.
    const ProfileSpectraKey key{points, traces, bins, detrend, spectral};
    if (RecallProfileSpectra(profile.image, buffers, key)) {
        return true;
    }

    // Each point's row is finished before it is stored, so a refusal part-way leaves
    // earlier rows new and later rows old; the caller draws nothing after a refusal.
    const ProfileGeometry geometry{&profile.image,
                                   traces,
                                   SamplesPerTrace(profile.image),
                                   SampleInterval(profile.image),
                                   bins,
                                   detrend,
                                   spectral};
    const bool twoThreads = std::size_t{points} * traces >= kMinTracesForTwoThreads &&
                            points >= 2 && std::thread::hardware_concurrency() >= 2;
    if (!(twoThreads ? PointSpectraOnTwoThreads(buffers, points, geometry)
                     : PointSpectraInOrder(buffers, 0, points, geometry))) {
        return Refuse();
    }
    KeepProfileSpectra(profile.image, buffers, key);
    return true;
}

bool ComputeSpectra(const Profile& profile, AnalysisBuffers& buffers,
                    const AnalysisRequest& request) {
    return request.SpectrumMode == kProfileSpectrum
               ? ComputeProfileSpectra(profile, buffers, request.Detrend, request.Spectral)
               : ComputeSelectionSpectrum(profile, buffers, request);
}

}  // namespace karvelo
