// Test support for profiles from disk: files written from a formula (text recordings,
// SEG-Y through segyio), and a snapshot of the loaded profile to prove a refusal kept it.
#pragma once

#include <gtest/gtest.h>
#include <segyio/segy.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/recording_message_sink.h"
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
    segy_file* file = segy_open(path.c_str(), "w+b");
    EXPECT_NE(file, nullptr);
    segy_set_format(file, format | (lsb ? int{SEGY_LSB} : int{SEGY_MSB}));
    std::string text(SEGY_TEXT_HEADER_SIZE, ' ');
    char binary[SEGY_BINARY_HEADER_SIZE] = {};
    segy_set_bfield(binary, SEGY_BIN_INTERVAL, interval);
    segy_set_bfield(binary, SEGY_BIN_SAMPLES, samples);
    segy_set_bfield(binary, SEGY_BIN_FORMAT, format);
    segy_set_bfield(binary, SEGY_BIN_SEGY_REVISION, lsb ? 0x0200 : 0x0100);
    EXPECT_EQ(segy_write_textheader(file, 0, text.c_str()), SEGY_OK);
    EXPECT_EQ(segy_write_binheader(file, binary), SEGY_OK);
    const int bytes = segy_trsize(format, samples);
    std::vector<unsigned char> raw(static_cast<std::size_t>(bytes));
    for (std::size_t r = 0; r < records; ++r) {
        char header[SEGY_TRACE_HEADER_SIZE] = {};
        segy_set_field(header, SEGY_TR_SEQ_LINE, static_cast<int>(r / channels + 1));
        segy_set_field(header, SEGY_TR_SAMPLE_COUNT, samples);
        segy_set_field(header, SEGY_TR_SAMPLE_INTER, interval);
        for (int s = 0; s < samples; ++s) {
            const double v = FormulaSample(firstRecord + r, static_cast<std::size_t>(s));
            const int width = bytes / samples;
            unsigned char* p = raw.data() + static_cast<std::size_t>(s) * width;
            if (format == SEGY_IEEE_FLOAT_4_BYTE || format == SEGY_IBM_FLOAT_4_BYTE) {
                float f = static_cast<float>(v);
                segy_from_native(format, 1, &f);  // big-endian on-disk bytes in place
                std::memcpy(p, &f, 4);
                continue;
            }
            const auto word = static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
            for (int b = 0; b < width; ++b) {
                p[b] = static_cast<unsigned char>(word >> (8 * (width - 1 - b)));
            }
        }
        EXPECT_EQ(segy_write_traceheader(file, static_cast<int>(r), header, 3600, bytes), SEGY_OK);
        EXPECT_EQ(segy_writetrace(file, static_cast<int>(r), raw.data(), 3600, bytes), SEGY_OK);
    }
    segy_close(file);
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

    Document document_;
    RecordingMessageSink sink_;
};

}  // namespace karvelo::testing
