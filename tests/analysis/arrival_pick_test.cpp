// Arrivals picked on synthetic two-channel hits with a known delay, and the first pulse
// of hits with a known contact time, ringing and a second strike.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "analysis/arrival_pick.h"
#include "analysis/impact_pulse.h"
#include "fakes/struck_hit.h"

namespace karvelo {
namespace {

using testing::Noise;
using testing::StruckHit;

constexpr double kSpacing = 0.3;       // m between the sensors
constexpr double kWaveHz = 20000.0;    // of the P-wave pulse
constexpr double kWaveDecay = 100e-6;  // s
constexpr std::size_t kSamples = 1024;

// n samples, dt seconds apart, of wave(t) plus offset and noise (uniform, peak).
template <typename Wave>
std::vector<double> Sampled(std::size_t n, double dt, Wave wave, double offset, double noise,
                            std::uint64_t seed) {
    Noise random(seed);
    std::vector<double> x(n);
    for (std::size_t s = 0; s < n; ++s) {
        x[s] = wave(static_cast<double>(s) * dt) + offset + random(noise);
    }
    return x;
}

// A damped sine of kWaveHz that starts at onset (s) with the given amplitude.
auto PWave(double onset, double amplitude) {
    return [=](double t) {
        const double u = t - onset;
        return u < 0.0 ? 0.0
                       : amplitude * std::sin(2.0 * std::numbers::pi * kWaveHz * u) *
                             std::exp(-u / kWaveDecay);
    };
}

TEST(ArrivalPick, VelocityFromTwoSensorsWithinOnePercentAtOneMicrosecondTwoAtTwo) {
    struct Case {
        double Dt;
        double Tolerance;
        double Polarity;  // the sensors' sign
        double Offset;    // the recorder's zero
    };
    const Case cases[] = {
        {1e-6, 0.01, 1.0, 0.0},
        {2e-6, 0.02, 1.0, 0.0},
        {1e-6, 0.01, -1.0, 3.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "sampled every " << c.Dt * 1e6 << " us, polarity " << c.Polarity);
        std::uint64_t seed = 1;
        for (const double cp : {3500.0, 3750.0, 4000.0, 4250.0, 4500.0}) {
            // The arrival at the near sensor on a sample and at three shares between two.
            for (const double lead : {0.0, 0.3, 0.5, 0.8}) {
                const double t1 = 200e-6 + lead * c.Dt;
                const double t2 = t1 + kSpacing / cp;
                const auto near =
                    Sampled(kSamples, c.Dt, PWave(t1, c.Polarity), c.Offset, 0.01, ++seed);
                const auto far =
                    Sampled(kSamples, c.Dt, PWave(t2, 0.7 * c.Polarity), c.Offset, 0.01, ++seed);
                const auto a = PickArrival(near);
                const auto b = PickArrival(far);
                ASSERT_TRUE(a && b);
                const double measured = kSpacing / ((b->Arrival - a->Arrival) * c.Dt);
                EXPECT_NEAR(measured, cp, c.Tolerance * cp) << "lead " << lead;
            }
        }
    }
}

TEST(ArrivalPick, FirstPeakIsTheTopOfTheFirstStrongLobeNotTheLargest) {
    // A lobe of 0.6 at samples 10..14 (top at 12), then a lobe of 1.0 at 40..44.
    std::vector<double> x(64, 0.0);
    for (const auto& [centre, height] : {std::pair{12, 0.6}, std::pair{42, 1.0}}) {
        for (int d = -2; d <= 2; ++d) {
            x[static_cast<std::size_t>(centre + d)] = height * (1.0 - 0.3 * std::abs(d));
        }
    }
    EXPECT_EQ(FirstPeakOf(x, 0.0), 12u);
    EXPECT_EQ(FirstPeakOf(std::vector<double>(8, 2.0), 2.0), std::nullopt);
    EXPECT_EQ(AicSplit(std::vector<double>{0.0, 0.0, 1.0}), std::nullopt);
}

// A hit at 300 us: its first pulse, the plate's ringing on the pulse's other side once the
// impactor has left, and a second strike.
TEST(ImpactPulse, ContactTimeAndASecondStrikeButNotRinging) {
    constexpr double kDt = 2e-6;
    struct Case {
        const char* Name;
        StruckHit H;
        bool Double;
    };
    const Case cases[] = {
        // onset, contact, ringing (Hz, amplitude, decay, after the contact), second strike
        {"short contact", {300e-6, 50e-6, 5000.0, -0.1, 1e-3}, false},
        {"long contact", {300e-6, 400e-6, 5000.0, -0.1, 1e-3}, false},
        {"second strike of 0.6", {300e-6, 50e-6, 5000.0, -0.1, 1e-3, true, 5e-3, 0.6}, true},
        {"second strike of 0.4", {300e-6, 50e-6, 5000.0, -0.1, 1e-3, true, 5e-3, 0.4}, false},
        {"second strike during the ringing",
         {300e-6, 50e-6, 5000.0, -0.1, 1e-3, true, 0.4e-3, 0.9},
         false},
        {"strong slow ringing", {300e-6, 50e-6, 600.0, -0.8, 3e-3}, false},
        {"strong thickness ringing", {300e-6, 80e-6, 4000.0, -0.9, 2e-3}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<double> x = Sampled(
            4096, kDt, [&c](double t) { return c.H.At(t); }, 0.0, 0.002, 7);
        const auto pick = PickArrival(x);
        ASSERT_TRUE(pick);
        const auto pulse = MeasureImpactPulse(x, *pick, kDt);
        ASSERT_TRUE(pulse);
        if (c.H.RingAmplitude > -0.5) {
            // Weak ringing moves the pulse's return through the baseline only a little.
            EXPECT_NEAR(pulse->ContactSamples * kDt, c.H.Contact, 0.05 * c.H.Contact);
        }
        EXPECT_EQ(pulse->SecondImpulse.has_value(), c.Double);
        if (c.Double) {
            EXPECT_NEAR(*pulse->SecondImpulse * kDt, c.H.Second, 0.5 * c.H.Contact);
        }
    }
}

}  // namespace
}  // namespace karvelo
