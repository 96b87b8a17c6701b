// Writes a text recording as field recorders do: time in seconds and one amplitude column,
// tab-separated, one line a sample, the first sample one step after zero.
#pragma once

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace karvelo::testing {

struct SineRecording {
    double Hz = 5000.0;
    int Samples = 400;
    double StepSeconds = 10e-6;
    double DecaySeconds = 0.0;  // 0: the sine does not decay
    bool Header = false;        // an instrument's header line before the numbers
    double SecondHz = 0.0;      // a second sine of the same decay, when SecondShare > 0
    double SecondShare = 0.0;   // its amplitude
};

inline void WriteSineRecording(const std::string& path, const SineRecording& r) {
    FILE* out = std::fopen(path.c_str(), "w");
    if (r.Header) {
        std::fputs("Time\tChannel 1\n", out);
    }
    for (int s = 0; s < r.Samples; ++s) {
        const double t = (s + 1) * r.StepSeconds;
        const double decay = r.DecaySeconds > 0.0 ? std::exp(-t / r.DecaySeconds) : 1.0;
        double value = decay * std::sin(2 * std::numbers::pi * r.Hz * t);
        if (r.SecondShare > 0.0) {
            value += r.SecondShare * decay * std::sin(2 * std::numbers::pi * r.SecondHz * t);
        }
        std::fprintf(out, "%.6E\t%.6E\n", t, value);
    }
    std::fclose(out);
}

}  // namespace karvelo::testing
