// "Обработать" of the correlation dialog: checks the fields, correlates the two traces
// and draws the curve.
#pragma once

#include <cstdint>
#include <vector>

#include "common/language.h"
#include "plot/surface.h"
#include "profile/profile.h"

namespace karvelo {

// The dialog's fields: points and traces 0-based, TMax in microseconds.
struct CorrelationFields {
    std::int32_t Signal1Point = 0;
    std::int32_t Signal1Trace = 0;
    std::int32_t Signal2Point = 0;
    std::int32_t Signal2Trace = 0;
    float TMax = 0.0f;
    std::int32_t FullRange = 0;
    Language Captions = Language::Russian;  // language of the curve's captions
};

// One value per lag, negative lags first.
struct CorrelationCurve {
    std::vector<std::int32_t> LagTimes;  // microseconds
    std::vector<double> Values;
};

// Clears surface, validates the fields against profile (error 13 on a bad
// point, trace or lag limit), correlates and draws the curve. Returns the curve, or an
// empty one when nothing was drawn.
CorrelationCurve RunCorrelation(const Profile& profile, const CorrelationFields& fields,
                                Surface& surface);

}  // namespace karvelo
