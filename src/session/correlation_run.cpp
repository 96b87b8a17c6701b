#include "session/correlation_run.h"

#include <new>
#include <span>

#include "analysis/correlation.h"
#include "common/error_messages.h"
#include "plot/draw_plot.h"
#include "plot/plot_panels.h"
#include "plot/round_half_up.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

bool InRange(std::int32_t value, std::uint32_t count) {
    return value >= 0 && static_cast<std::uint32_t>(value) < count;
}

std::vector<double> DecodeTrace(const Profile& profile, std::int32_t point, std::int32_t trace,
                                std::uint32_t samples) {
    const std::size_t record =
        static_cast<std::size_t>(point) * profile.TracesPerPoint + static_cast<std::size_t>(trace);
    std::vector<double> values(samples);
    for (std::uint32_t i = 0; i < samples; ++i) {
        values[i] = ProfileSample(profile, record, i);
    }
    return values;
}

// Lag limit in samples, or 0 when the fields give none in 1 .. N - 1.
int LagLimit(const CorrelationFields& fields, std::uint32_t samples, std::uint32_t interval) {
    const int largest = static_cast<int>(samples) - 1;
    if (fields.FullRange != 0) {
        return largest;
    }
    if (interval == 0) {
        return 0;
    }
    const double lag = RoundHalfUp(static_cast<double>(fields.TMax) / interval);
    // Compared as a double, so NaN and huge values fail without a conversion.
    if (!(lag >= 1.0 && lag <= static_cast<double>(largest))) {
        return 0;
    }
    return static_cast<int>(lag);
}

}  // namespace

CorrelationCurve RunCorrelation(const Profile& profile, const CorrelationFields& fields,
                                Surface& surface) {
    surface.FillWhite();
    if (!InRange(fields.Signal1Trace, profile.TracesPerPoint) ||
        !InRange(fields.Signal2Trace, profile.TracesPerPoint) ||
        !InRange(fields.Signal1Point, profile.PointCount) ||
        !InRange(fields.Signal2Point, profile.PointCount)) {
        ReportError(kErrInvalidValue, true);
        return {};
    }
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const int lagLimit = LagLimit(fields, samples, interval);
    if (lagLimit < 1) {
        ReportError(kErrInvalidValue, true);
        return {};
    }

    CorrelationCurve curve;
    std::vector<float> values;
    std::vector<double> signal1;
    std::vector<double> signal2;
    const std::size_t lags = 2 * static_cast<std::size_t>(lagLimit) + 1;
    try {
        signal1 = DecodeTrace(profile, fields.Signal1Point, fields.Signal1Trace, samples);
        signal2 = DecodeTrace(profile, fields.Signal2Point, fields.Signal2Trace, samples);
        curve.Values.resize(lags);
        curve.LagTimes.resize(lags);
        values.resize(lags);
    } catch (const std::bad_alloc&) {
        ReportError(kErrAllocation, false);
        return {};
    }

    if (CrossCorrelation(signal1, signal2, lagLimit, curve.Values)) {
        return {};
    }
    for (std::size_t k = 0; k < lags; ++k) {
        values[k] = static_cast<float>(curve.Values[k]);
        curve.LagTimes[k] =
            (static_cast<std::int32_t>(k) - lagLimit) * static_cast<std::int32_t>(interval);
    }
    const auto* lagWords = reinterpret_cast<const std::uint32_t*>(curve.LagTimes.data());
    DrawCurvePlot(surface,
                  CorrelationPanelLayout(static_cast<std::uint16_t>(interval), fields.Captions),
                  values, std::span(lagWords, curve.LagTimes.size()));
    return curve;
}

}  // namespace karvelo
