// Writes the seed files of every reader's fuzzing target from formulas: small recordings of
// each layout a reader knows, and a few it refuses ("refused-..."). Usage: fuzz_seeds DIR
// (DIR/text, DIR/segy ... are made).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "fakes/recording_writers.h"
#include "profile/builtin_source.h"
#include "profile/profile_image.h"
#include "profile/segy_save.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSamples = 64;
constexpr double kStepSeconds = 4e-6;

// A decaying 10 kHz ring: sample s of channel c.
double Ring(int s, int c = 0) {
    const double t = s * kStepSeconds;
    return std::exp(-t * 2e4) * std::sin(2 * std::numbers::pi * 1e4 * t + c);
}

void Save(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Number(const char* format, double value) {
    char text[40];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Lines of time and channels, fields joined by separator, numbers in format.
std::string Columns(int channels, bool time, const std::string& separator, const char* format) {
    std::string text;
    for (int s = 0; s < kSamples; ++s) {
        std::string line = time ? Number(format, s * kStepSeconds) : "";
        for (int c = 0; c < channels; ++c) {
            line += (line.empty() ? "" : separator) + Number(format, Ring(s, c));
        }
        text += line + "\n";
    }
    return text;
}

void WriteTextSeeds(const fs::path& dir) {
    Save(dir / "time-amplitude.txt", Columns(1, true, "\t", "%.9g"));
    Save(dir / "two-channels.csv", "Time (s),A (V),B (V)\n" + Columns(2, true, ",", "%.9g"));
    std::string comma = Columns(1, true, ";", "%.6f");
    std::replace(comma.begin(), comma.end(), '.', ',');
    Save(dir / "decimal-comma.txt", comma);
    std::string metadata;
    for (int s = 0; s < kSamples; ++s) {
        const std::string head = s == 0   ? "Record Length," + std::to_string(kSamples)
                                 : s == 1 ? "Sample Interval," + Number("%g", kStepSeconds)
                                          : ",";
        metadata +=
            head + ",," + Number("%.9g", s * kStepSeconds) + "," + Number("%.9g", Ring(s)) + "\n";
    }
    Save(dir / "oscilloscope.csv", metadata);
    Save(dir / "measurement.lvm",
         "LabVIEW Measurement\t\nSeparator\tTab\nDecimal_Separator\t.\n***End_of_Header***\t\n\n"
         "Channels\t1\nSamples\t64\nX_Dimension\tTime\nX0\t0\nDelta_X\t4e-6\n"
         "***End_of_Header***\t\nX_Value\tUntitled\n" +
             Columns(1, true, "\t", "%.9g"));
    // Read again with a decimal comma after the blank line above it.
    Save(dir / "blank-line-then-decimal-commas.txt", "\n0,5\n0,25\n-0,5\n");
    Save(dir / "refused-jump.txt", "0 1\n1e-6 2\n2.5e-6 3\n");
    Save(dir / "refused-huge.txt", "0 1\n1e-6 1e300\n");
}

// Traces of kSamples samples of the ring, 4 us apart, channels in pairs.
void WriteSegy(const fs::path& path, int format, bool lsb, int traces) {
    const double scale = format == SEGY_SIGNED_SHORT_2_BYTE ? 10000 : 1;
    karvelo::testing::WriteSegy(path, format, lsb, traces, kSamples, 4, 2,
                                [scale](std::size_t t, std::size_t s) {
                                    return scale * Ring(static_cast<int>(s), static_cast<int>(t));
                                });
}

void WriteSegySeeds(const fs::path& dir) {
    WriteSegy(dir / "ieee-two-channels.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 4);
    WriteSegy(dir / "ibm.sgy", SEGY_IBM_FLOAT_4_BYTE, false, 2);
    WriteSegy(dir / "short-little-endian.sgy", SEGY_SIGNED_SHORT_2_BYTE, true, 3);
    Save(dir / "refused-header-only.sgy", std::string(3600, '\0'));
}

// The first two records of the built-in two-record profile: the rest of an image file is
// zeros, as the image target pads it.
void WriteImageSeeds(const fs::path& dir) {
    const auto image = std::make_unique<karvelo::Image>();
    karvelo::BuiltInSource source(1);
    karvelo::SourceSummary summary;
    karvelo::SourceRefusal refusal;
    source.WriteSourceImage(*image, {}, summary, refusal);
    const std::size_t used = karvelo::RecordOffset(2);
    Save(dir / "two-records.img",
         std::string(reinterpret_cast<const char*>(image->bytes.data()), used));
    Save(dir / "refused-no-records.img", std::string(3600, ' '));
}

void WriteWav(const fs::path& path, int format, int channels) {
    karvelo::testing::WriteWav(path, 250000, format, channels, kSamples,
                               [](std::size_t s, std::size_t c) {
                                   return 0.5 * Ring(static_cast<int>(s), static_cast<int>(c));
                               });
}

void WriteWavSeeds(const fs::path& dir) {
    WriteWav(dir / "pcm16-mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1);
    WriteWav(dir / "float-stereo.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2);
    WriteWav(dir / "refused-three-channels.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 3);
}

// A .npy file of rows traces of the ring (the first count values of them), int16 scaled.
std::string Npy(const std::string& descr, std::size_t rows, bool fortran, std::size_t count) {
    const double scale = descr.ends_with("i2") ? 10000 : 1;
    return karvelo::testing::NpyBytes(
        descr, rows, kSamples, fortran, 1,
        [scale](std::size_t t, std::size_t s) {
            return scale * Ring(static_cast<int>(s), static_cast<int>(t));
        },
        count);
}

void WriteNumpySeeds(const fs::path& dir) {
    Save(dir / "float32.npy", Npy("<f4", 1, false, kSamples));
    Save(dir / "int16-rows.npy", Npy(">i2", 2, false, 2 * kSamples));
    Save(dir / "float64-fortran.npy", Npy("<f8", 2, true, 2 * kSamples));
    Save(dir / "refused-cut.npy", Npy("<f8", 2, false, kSamples));
}

// Two traces of the ring as the columns of "hits", and the interval "dt".
void WriteMatlab(const fs::path& path, matio_compression compression) {
    std::vector<double> traces(2 * kSamples);
    for (int s = 0; s < kSamples; ++s) {
        traces[static_cast<std::size_t>(s)] = Ring(s, 0);  // column-major: 64 rows, 2 columns
        traces[static_cast<std::size_t>(kSamples + s)] = Ring(s, 1);
    }
    karvelo::testing::WriteMat(path, MAT_FT_MAT5, compression,
                               {{"hits", kSamples, 2, traces}, {"dt", 1, 1, {kStepSeconds}}});
}

void WriteMatlabSeeds(const fs::path& dir) {
    WriteMatlab(dir / "v5.mat", MAT_COMPRESSION_NONE);
    WriteMatlab(dir / "v5-compressed.mat", MAT_COMPRESSION_ZLIB);
    Save(dir / "refused-header-only.mat", "MATLAB 5.0 MAT-file" + std::string(109, ' '));
    // A matrix declared empty, its flags and dimensions after it as if they were its own:
    // matio took those dimensions (about 4 GB) at their word.
    const std::string header =
        "MATLAB 5.0 MAT-file" + std::string(105, ' ') + std::string("\x00\x01IM", 4);
    Save(dir / "refused-empty-matrix.mat",
         header +
             std::string(
                 "\x0E\x00\x00\x00\x00\x00\x00\x00\x06\x00\x00\x00\x08\x00\x00\x00\x0B\x00\x00\x00"
                 "\x00\x00\x00\x00\x05\x00\x00\x00\x08\x00\x00\x00\x41\x4C\x4D\x01\xBC\xBD\xFF\xFF"
                 "\x01\x00\x00\x00\x00\x00\x74\xED\xA0\xD0\xB5\xC6\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
                 60));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds DIR\n";
        return 2;
    }
    const fs::path root = argv[1];
    const struct {
        const char* reader;
        void (*write)(const fs::path&);
    } kinds[] = {{"text", WriteTextSeeds},   {"segy", WriteSegySeeds},
                 {"image", WriteImageSeeds}, {"wav", WriteWavSeeds},
                 {"numpy", WriteNumpySeeds}, {"matlab", WriteMatlabSeeds}};
    for (const auto& kind : kinds) {
        fs::remove_all(root / kind.reader);
        fs::create_directories(root / kind.reader);
        kind.write(root / kind.reader);
    }
    return 0;
}
