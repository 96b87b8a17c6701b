#include "report/hit_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/arrival_pick.h"
#include "analysis/frequency_axis.h"
#include "analysis/impact_pulse.h"
#include "analysis/median.h"
#include "analysis/peak_refinement.h"
#include "analysis/peaks.h"
#include "analysis/spectrum_modes.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

// Whether kClippedRun or more consecutive samples sit at the largest or the smallest
// value of the trace.
bool IsClipped(std::span<const double> samples) {
    if (samples.empty()) {
        return false;
    }
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    for (const double extreme : {*low, *high}) {
        std::size_t run = 0;
        for (const double value : samples) {
            run = value == extreme ? run + 1 : 0;
            if (run >= kClippedRun) {
                return true;
            }
        }
    }
    return false;
}

// The trace's first arrival, the contact time of its first pulse and a second strike.
void CheckImpact(std::span<const double> trace, double seconds, HitCheck& hit) {
    const std::optional<ArrivalPick> pick = PickArrival(trace);
    if (!pick) {
        return;
    }
    hit.Arrival = pick->Arrival * seconds;
    if (const std::optional<ImpactPulse> pulse = MeasureImpactPulse(trace, *pick, seconds)) {
        hit.Contact = pulse->ContactSamples * seconds;
        hit.DoubleHit = pulse->SecondImpulse.has_value();
    }
}

}  // namespace

std::vector<HitCheck> CheckHits(const Profile& profile, AnalysisBuffers& buffers,
                                std::uint32_t point, std::uint32_t bandFirst,
                                std::uint32_t bandLast, bool detrend,
                                const SpectralOptions& spectral) {
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const FrequencyAxis axis = MakeFrequencyAxis(samples, interval, profile.Unit, spectral.ZeroPad);
    const double seconds = SampleSeconds(profile);
    const std::uint32_t bins = std::min<std::uint32_t>(axis.BinCount, kMaxSpectrumBins);
    std::vector<HitCheck> hits;
    std::vector<float> normalised(bins);
    const std::span<float> spectrum(normalised.data(), bins);
    for (std::uint32_t t = 0; t < profile.TracesPerPoint; ++t) {
        HitCheck hit;
        hit.Trace = t;
        LoadTraceSamples(profile, buffers, std::size_t{point} * profile.TracesPerPoint + t,
                         samples);
        const std::span<const double> trace = std::span(buffers.TraceSamples).first(samples);
        hit.Clipped = IsClipped(trace);
        CheckImpact(trace, seconds, hit);
        if (TransformTraceSamples(buffers, samples, interval, detrend, spectral)) {
            const std::span<const double> raw(buffers.AmplitudeSpectrum.data(), bins);
            NormaliseSpectrum(raw, spectrum, true);
            std::optional<LocalMaximum> best;
            for (const LocalMaximum& peak : LocalMaximaOf(spectrum)) {
                const bool listed = peak.Bin >= bandFirst && peak.Bin <= bandLast;
                if (listed && (!best || spectrum[peak.Bin] > spectrum[best->Bin])) {
                    best = peak;
                }
            }
            if (best) {
                const double binFrequency = TruncateToHz(best->Bin * axis.Step);
                hit.Frequency =
                    RefinePeakFrequency(spectrum, best->Bin, axis.ResampledStep, binFrequency)
                        .Frequency;
                hit.Peak = raw[best->Bin];
            }
        }
        hits.push_back(hit);
    }
    double strongest = 0.0;
    for (const HitCheck& hit : hits) {
        strongest = std::max(strongest, hit.Peak);
    }
    const std::optional<HitSpread> spread = SpreadOf(hits);
    for (HitCheck& hit : hits) {
        hit.Weak = hit.Peak < kWeakFraction * strongest;
        hit.Outlier = hit.Frequency && spread &&
                      std::abs(*hit.Frequency - spread->Median) > kOutlierFraction * spread->Median;
        hit.LongImpact =
            hit.Contact && hit.Frequency && UsableTopFrequency(*hit.Contact) < *hit.Frequency;
    }
    return hits;
}

std::optional<HitSpread> SpreadOf(const std::vector<HitCheck>& hits) {
    std::vector<double> frequencies;
    for (const HitCheck& hit : hits) {
        if (hit.Frequency) {
            frequencies.push_back(*hit.Frequency);
        }
    }
    if (frequencies.empty()) {
        return std::nullopt;
    }
    const auto [low, high] = std::minmax_element(frequencies.begin(), frequencies.end());
    return HitSpread{*low, MedianOf(frequencies), *high};
}

std::string FlagsText(const std::vector<HitCheck>& hits) {
    std::string text;
    for (const HitCheck& hit : hits) {
        std::string flags;
        for (const HitFlag& flag : kHitFlags) {
            if (hit.*flag.Set) {
                if (!flags.empty()) {
                    flags += ',';
                }
                flags += flag.Name;
            }
        }
        if (!flags.empty()) {
            if (!text.empty()) {
                text += ' ';
            }
            text += std::to_string(hit.Trace) + ":" + flags;
        }
    }
    return text;
}

}  // namespace karvelo
