// Test support for profiles from disk: files written from a formula (text recordings,
// SEG-Y through segyio), and a snapshot of the loaded profile to prove a refusal kept it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/recording_message_sink.h"
#include "fakes/recording_writers.h"
#include "fakes/temp_file.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"
#include "session/document.h"

namespace karvelo::testing {

// The sample formula every written file follows: small integers, exact in every format.
inline double FormulaSample(std::size_t record, std::size_t sample) {
    return static_cast<double>(static_cast<int>((record * 37 + sample * 11) % 201) - 100);
}

// A text recording of `samples` lines `stepSeconds` apart: the time, then columns - 1
// values equal to the time in microseconds.
inline std::string Ramp(std::size_t samples, double stepSeconds, std::size_t columns = 2) {
    std::string text;
    char number[32];
    for (std::size_t s = 0; s < samples; ++s) {
        const double time = static_cast<double>(s) * stepSeconds;
        for (std::size_t c = 0; c < columns; ++c) {
            std::snprintf(number, sizeof number, c == 0 ? "%.9g" : "\t%.9g",
                          c == 0 ? time : time * 1e6);
            text += number;
        }
        text += "\n";
    }
    return text;
}

// A version 1 NumPy file's start: its magic, version and the header dictionary given.
inline std::string NpyV1(const std::string& header) {
    return std::string("\x93NUMPY\x01\x00", 8) + static_cast<char>(header.size()) + '\0' + header;
}

inline std::string WriteTextFile(const std::string& name, const std::string& content) {
    const std::string path = TempFile(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// One file of the given content, as the list of files a load takes.
inline std::vector<std::string> Text(const std::string& name, const std::string& content) {
    return {WriteTextFile(name, content)};
}

// A SEG-Y file through segyio: `format` a SEGY_FORMAT code, lsb for little-endian;
// sequence numbers k / channels + 1; samples from FormulaSample(firstRecord + r, s).
inline std::string WriteSegyFile(const std::string& name, int format, bool lsb, std::size_t records,
                                 int samples, int interval, std::size_t channels = 1,
                                 std::size_t firstRecord = 0) {
    const std::string path = TempFile(name);
    EXPECT_TRUE(WriteSegy(
        path, format, lsb, records, samples, interval, channels,
        [firstRecord](std::size_t r, std::size_t s) { return FormulaSample(firstRecord + r, s); }));
    return path;
}

// |DFT| of samples at hz, scaled so that a sine of amplitude a gives a.
inline double Amplitude(const std::vector<float>& samples, double stepUs, double hz) {
    std::complex<double> sum;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const double phase = 2 * std::numbers::pi * hz * static_cast<double>(k) * stepUs * 1e-6;
        sum += static_cast<double>(samples[k]) * std::polar(1.0, -phase);
    }
    return 2.0 * std::abs(sum) / static_cast<double>(samples.size());
}

// The frequency of the largest DFT bin from fromHz to toHz (bins of the trace's length).
inline double PeakHz(const std::vector<float>& samples, double stepUs, double fromHz, double toHz) {
    const double bin = 1e6 / (stepUs * static_cast<double>(samples.size()));
    double best = 0.0;
    double peak = 0.0;
    for (double hz = std::ceil(fromHz / bin) * bin; hz <= toHz; hz += bin) {
        if (const double a = Amplitude(samples, stepUs, hz); a > best) {
            best = a;
            peak = hz;
        }
    }
    return peak;
}

// Loads into a document of the test's own, as the open dialog does.
class FileSourceTest : public ::testing::Test {
  protected:
    bool LoadBuiltIn(std::uint32_t choice, int channelMode, std::uint32_t hits) {
        const ProfileSourceChoice source{{}, {}, choice};
        return document_.Load(
            [&](Profile& profile) { return LoadProfile(profile, choice, channelMode, hits); },
            source);
    }
    bool LoadFiles(const std::vector<std::string>& paths, int channelMode, std::uint32_t hits,
                   const SourceOptions& options) {
        const ProfileSourceChoice source{paths, options, 0};
        return document_.Load(
            [&](Profile& profile) {
                return LoadProfileFiles(profile, paths, channelMode, hits, options);
            },
            source);
    }
    const Profile& profile() const { return document_.CurrentProfile(); }

    // Everything a load changes, to compare before and after a refusal.
    auto LoadedState() const {
        const Profile& p = profile();
        return std::make_tuple(
            std::vector<std::uint8_t>(p.image.bytes.begin(), p.image.bytes.end()), p.HitsPerPoint,
            p.TracesPerPoint, p.PointCount, p.SampleMax, p.SampleMin, p.Unit,
            document_.LoadCompleted, document_.LoadedSource.Files);
    }

    // The one message of a load of files refused after one of the built-in profile, which
    // the refusal kept as it was.
    std::string RefusalOf(const std::vector<std::string>& files, int channelMode,
                          const SourceOptions& options) {
        EXPECT_TRUE(LoadBuiltIn(0, kChannel1, 2));
        document_.LoadCompleted = false;
        const auto before = LoadedState();
        sink_.messages.clear();
        EXPECT_FALSE(LoadFiles(files, channelMode, 1, options));
        EXPECT_TRUE(LoadedState() == before);
        EXPECT_EQ(sink_.messages.size(), 1u);
        return sink_.messages.empty() ? std::string() : sink_.messages[0];
    }

    Document document_;
    RecordingMessageSink sink_;
};

}  // namespace karvelo::testing
