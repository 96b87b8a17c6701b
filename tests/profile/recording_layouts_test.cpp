// Every layout of recording the readers know, written from a sine of known frequency:
// the samples and interval opened, and the spectrum peak within one bin of the formula.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

struct Sine {
    std::size_t samples;
    double stepSeconds;
    double hz;
    double t0 = 0.0;
    double Time(std::size_t k) const { return t0 + static_cast<double>(k) * stepSeconds; }
    double Value(std::size_t k) const {
        return std::sin(2 * std::numbers::pi * hz * static_cast<double>(k) * stepSeconds);
    }
};

// The sine's lines, each from format with the time scaled by timeScale and the value.
std::string Lines(const Sine& sine, const char* format, double timeScale = 1.0,
                  bool withTime = true) {
    std::string text;
    char line[160];
    for (std::size_t k = 0; k < sine.samples; ++k) {
        if (withTime) {
            std::snprintf(line, sizeof line, format, sine.Time(k) * timeScale, sine.Value(k));
        } else {
            std::snprintf(line, sizeof line, format, sine.Value(k));
        }
        text += line;
    }
    return text;
}

std::string WithDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// A NumPy file of rows sines (row r at hz * (r + 1)) in element type descr ('<f8',
// '>i2', ...; integers scaled by scale), C or Fortran order, format version.
std::vector<std::string> Npy(const std::string& name, const Sine& sine, std::size_t rows,
                             const std::string& descr, bool fortran = false, int version = 1,
                             double scale = 1.0) {
    return Text(name, NpyBytes(descr, rows, sine.samples, fortran, version,
                               [&sine, scale](std::size_t r, std::size_t k) {
                                   Sine row = sine;
                                   row.hz = sine.hz * static_cast<double>(r + 1);
                                   return row.Value(k) * scale;
                               }));
}

// A WAV file: format an SF_FORMAT_WAV subtype, every channel the sine at half scale.
std::vector<std::string> Wav(const std::string& name, const Sine& sine, int format, int channels) {
    const std::string path = TempFile(name);
    EXPECT_TRUE(WriteWav(path, static_cast<int>(std::lround(1.0 / sine.stepSeconds)),
                         SF_FORMAT_WAV | format, channels, sine.samples,
                         [&sine](std::size_t k, std::size_t) { return 0.5 * sine.Value(k); }));
    return {path};
}

// A MATLAB file: a 2 x 2 matrix "junk", then "sig" (traces sines, as columns or as rows, in
// doubles), and the scalar "dt" (seconds) or "fs" (Hz).
std::vector<std::string> Mat(const std::string& name, const Sine& sine, std::size_t traces,
                             bool columns, mat_ft version, const char* timeName) {
    const std::string path = TempFile(name);
    std::vector<double> data(traces * sine.samples);
    for (std::size_t t = 0; t < traces; ++t) {
        for (std::size_t k = 0; k < sine.samples; ++k) {
            // column-major: (row, column) at row + column * rows
            data[columns ? k + t * sine.samples : t + k * traces] = sine.Value(k);
        }
    }
    const bool dt = std::string(timeName) == "dt";
    EXPECT_TRUE(
        WriteMat(path, version, MAT_COMPRESSION_NONE,
                 {{"junk", 2, 2, {1, 2, 3, 4}},
                  {"sig", columns ? sine.samples : traces, columns ? traces : sine.samples, data},
                  {timeName, 1, 1, {dt ? sine.stepSeconds : 1.0 / sine.stepSeconds}}}));
    return {path};
}

// An oscilloscope's CSV: metadata rows in the first three columns beside the samples.
std::string MetadataCsv(const Sine& sine) {
    const char* keys[] = {"Record Length,2.500000e+03,Points,", "Sample Interval,4.000000e-07,s,",
                          "Trigger Point,5.000000000000e+02,Samples,", "Source,CH1,,",
                          "Vertical Units,V,,"};
    std::string text;
    char line[96];
    for (std::size_t k = 0; k < sine.samples; ++k) {
        std::snprintf(line, sizeof line, "%.12f,%.5f\n", sine.Time(k), sine.Value(k));
        text += std::string(k < std::size(keys) ? keys[k] : ",,,") + line;
    }
    return text;
}

const std::string kScopeHeader =
    "LECROYWS4024HD 19320 Waveform\nSegments 1 SegmentSize 3127\n"
    "Segment TrigTime TimeSinceSegment1\n#1 04-Jun-2024 16:20:05 0                 \n"
    "Time Ampl\n";

// LabVIEW measurement files: a time column with decimal commas, or no time column.
std::string LabviewWithTime(const Sine& sine) {
    return "LabVIEW Measurement\t\nWriter_Version\t2\nReader_Version\t2\nSeparator\tTab\n"
           "Decimal_Separator\t,\nMulti_Headings\tNo\nX_Columns\tOne\nTime_Pref\tRelative\n"
           "***End_of_Header***\t\n\nChannels\t1\t\nSamples\t1500\t\nX_Dimension\tTime\t\n"
           "X0\t0,0000000000000000E+0\t\nDelta_X\t2,000000E-6\t\n***End_of_Header***\t\n"
           "X_Value\tUntitled\tComment\n" +
           WithDecimalComma(Lines(sine, "%.9f\t%.6f\n"));
}

std::string LabviewWithoutTime(const Sine& sine) {
    return "LabVIEW Measurement\t\nSeparator\tTab\nDecimal_Separator\t.\nX_Columns\tNo\n"
           "***End_of_Header***\t\n\nChannels\t1\t\nDelta_X\t2.000000E-6\t\n"
           "***End_of_Header***\t\nUntitled\n" +
           Lines(sine, "%.6f\n", 1, false);
}

// Two channels, each behind a time column of its own.
std::string LabviewMultiTime(const Sine& sine) {
    std::string text =
        "LabVIEW Measurement\t\nSeparator\tTab\nDecimal_Separator\t.\nX_Columns\tMulti\n"
        "***End_of_Header***\t\n\nChannels\t2\t\nDelta_X\t2.000000E-6\t2.000000E-6\t\n"
        "***End_of_Header***\t\nX_Value\tA\tX_Value\tB\n";
    char line[96];
    for (std::size_t k = 0; k < sine.samples; ++k) {
        std::snprintf(line, sizeof line, "%.9f\t%.6f\t%.9f\t%.6f\n", sine.Time(k), sine.Value(k),
                      sine.Time(k), -sine.Value(k));
        text += line;
    }
    return text;
}

TEST_F(FileSourceTest, EveryLayoutOpensItsSineAtItsFrequency) {
    const Sine scope{3127, 1.6e-6, 2400.0, -0.8e-3};
    const Sine comma{10002, 0.5e-6, 3200.0, -0.5e-3};
    const Sine column{6001, 0.5e-6, 7000.0};
    const Sine units{2500, 4e-7, 12000.0, -0.2e-3};
    const Sine labview{1500, 2e-6, 9000.0};
    const Sine grid{2000, 2e-6, 8000.0};
    const Sine audio{2000, 1.0 / 192000, 6000.0};
    const Sine daq{2000, 2.5e-6, 6000.0};
    const Sine matlab{2500, 4e-6, 5000.0};
    const struct {
        const char* name;
        std::vector<std::string> files;
        double intervalUs;  // the user's interval (0: none given)
        double hz;
        std::uint16_t step;  // opened interval, us
        std::uint16_t samples;
        std::uint16_t traces = 1;
        const char* variable = "";
    } cases[] = {
        // Names that say nothing or the wrong thing: the content decides.
        {"scope", Text("scope", kScopeHeader + Lines(scope, "%.10g %.10g\n")), 0, scope.hz, 3,
         1668},
        {"comma.txt", Text("comma.txt", Lines(comma, "%.10g,%.10g\n")), 0, comma.hz, 3, 1667},
        {"column.txt", Text("column.txt", Lines(column, "%.18f\n", 1, false)), 0.5, column.hz, 2,
         1500},
        {"units-ms.csv",
         Text("units-ms.csv", "Time,Channel A\n(ms),(mV)\n\n" + Lines(units, "%.8f,%.6f\n", 1e3)),
         0, units.hz, 1, 1000},
        {"units-second.csv",
         Text("units-second.csv", "X,CH1,Start,Increment,\nSecond,Volt,-2.0e-04,4.0e-07,\n" +
                                      Lines(units, "%.6e,%.5e,\n")),
         0, units.hz, 1, 1000},
        {"units-us.txt",
         Text("units-us.txt", "Time [us]\tSignal [V]\n" + Lines(units, "%.4f\t%.6f\n", 1e6)), 0,
         units.hz, 1, 1000},
        {"sequence.csv",
         Text("sequence.csv", "X,CH1,Start,Increment,\nSequence,Volt,-2.0e-04,4.0e-07,\n" +
                                  Lines(units, "%.0f,%.5e,\n", 1 / units.stepSeconds)),
         0, units.hz, 1, 1000},
        {"metadata.csv", Text("metadata.csv", MetadataCsv(units)), 0, units.hz, 1, 1000},
        {"one-time.lvm", Text("one-time.lvm", LabviewWithTime(labview)), 0, labview.hz, 2, 1500},
        {"no-time.dat", Text("no-time.dat", LabviewWithoutTime(labview)), 0, labview.hz, 2, 1500},
        {"multi-time.lvm", Text("multi-time.lvm", LabviewMultiTime(labview)), 0, labview.hz, 2,
         1500, 2},
        {"column-comma.txt",
         Text("column-comma.txt", WithDecimalComma(Lines(column, "%.9f\n", 1, false))), 0.5,
         column.hz, 2, 1500},
        {"grid.npy", Npy("grid.npy", grid, 121, "<f8"), 2, grid.hz, 2, 2000, 121},
        {"fortran-big-endian.sgy", Npy("fortran-big-endian.sgy", column, 3, ">f4", true), 0.5,
         column.hz, 2, 1500, 3},
        {"int16-v2", Npy("int16-v2", grid, 1, "<i2", false, 2, 1e4), 2, grid.hz, 2, 2000},
        {"int32-v3.npy", Npy("int32-v3.npy", grid, 1, ">i4", false, 3, 1e6), 2, grid.hz, 2, 2000},
        {"pcm16.wav", Wav("pcm16.wav", audio, SF_FORMAT_PCM_16, 1), 0, audio.hz, 6, 1736},
        {"pcm24-stereo.txt", Wav("pcm24-stereo.txt", daq, SF_FORMAT_PCM_24, 2), 0, daq.hz, 3, 1667,
         2},
        {"float.wav", Wav("float.wav", daq, SF_FORMAT_FLOAT, 1), 0, daq.hz, 3, 1667},
        {"pcm32.wav", Wav("pcm32.wav", daq, SF_FORMAT_PCM_32, 1), 0, daq.hz, 3, 1667},
        {"pcm8.wav", Wav("pcm8.wav", grid, SF_FORMAT_PCM_U8, 1), 0, grid.hz, 2, 2000},
        {"columns-v5.mat", Mat("columns-v5.mat", grid, 3, true, MAT_FT_MAT5, "dt"), 0, grid.hz, 2,
         2000, 3, "sig"},
        {"rows-v73", Mat("rows-v73", matlab, 2, false, MAT_FT_MAT73, "fs"), 0, matlab.hz, 5, 2000,
         2, "sig"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SourceOptions options;
        options.IntervalUs = c.intervalUs;
        options.Variable = c.variable;
        sink_.messages.clear();
        ASSERT_TRUE(LoadFiles(c.files, kBothChannels, 1, options)) << sink_.messages.back();
        EXPECT_EQ(TraceCount(profile().image), c.traces);
        EXPECT_EQ(SampleInterval(profile().image), c.step);
        EXPECT_EQ(SamplesPerTrace(profile().image), c.samples);
        std::vector<float> trace(SamplesPerTrace(profile().image));
        for (std::size_t s = 0; s < trace.size(); ++s) {
            trace[s] = static_cast<float>(ProfileSample(profile(), 0, s));
        }
        const double bin = 1e6 / (c.step * static_cast<double>(trace.size()));
        EXPECT_NEAR(PeakHz(trace, c.step, 2000.0, 50000.0), c.hz, bin);
    }
}

}  // namespace
}  // namespace karvelo::testing
