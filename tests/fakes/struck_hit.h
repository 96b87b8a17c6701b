// Test helper: what a sensor hears of a hit on a plate, from a formula, and the noise to
// put on it.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

namespace karvelo::testing {

// A half sine of width s starting at u = 0.
inline double HalfSine(double u, double width) {
    return u >= 0.0 && u < width ? std::sin(std::numbers::pi * u / width) : 0.0;
}

// The first pulse, a half sine of Contact s from Onset; the plate's ringing at RingHz
// (negative RingAmplitude: starting on the pulse's other side), from when the impactor
// leaves or with the pulse; a second strike of the same width at Second s; all times Gain.
struct StruckHit {
    double Onset = 300e-6;
    double Contact = 30e-6;
    double RingHz = 5000.0;
    double RingAmplitude = -0.5;
    double RingDecay = 2e-3;
    bool RingAfterContact = true;
    double Second = 0.0;
    double SecondAmplitude = 0.0;
    double Gain = 1.0;

    double At(double t) const {
        const double u = t - Onset - (RingAfterContact ? Contact : 0.0);
        const double ring = u < 0.0 ? 0.0
                                    : RingAmplitude * std::exp(-u / RingDecay) *
                                          std::sin(2.0 * std::numbers::pi * RingHz * u);
        return Gain * (HalfSine(t - Onset, Contact) + ring +
                       SecondAmplitude * HalfSine(t - Second, Contact));
    }
};

// Uniform noise in -amplitude .. amplitude from a fixed 64-bit LCG.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double operator()(double amplitude) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return amplitude * (2.0 * static_cast<double>(state_ >> 11) / 9007199254740992.0 - 1.0);
    }

  private:
    std::uint64_t state_;
};

}  // namespace karvelo::testing
