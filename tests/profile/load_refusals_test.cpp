// Every refusal of files from disk: its error code, its two-line message, and the
// previously loaded profile left exactly as it was.
#include <filesystem>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

TEST_F(FileSourceTest, EveryRefusalKeepsThePreviousProfile) {
    const std::string good = WriteTextFile("good.txt", Ramp(100, 5e-6));
    const std::string segy = WriteSegyFile("full.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 3, 64, 4);
    const std::string truncated = TempFile("truncated.sgy");
    std::filesystem::copy_file(segy, truncated, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(truncated, std::filesystem::file_size(segy) - 10);
    const std::string many = WriteSegyFile("many.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 1001, 4, 4);
    const auto afterGood = [&good](const std::string& name, const std::string& content) {
        return std::vector<std::string>{good, WriteTextFile(name, content)};
    };
    const struct {
        std::vector<std::string> files;
        int code;
        std::string reason;  // the end of the message's second line
        int channelMode = kChannel1;
    } cases[] = {
        {{many}, 4, "1001 traces, more than the 1000 a profile holds"},
        {Text("slow.txt", Ramp(50, 0.07)), 8,
         "sample interval 70000 us is longer than the 65535 us a profile holds"},
        {Text("blip.txt", Ramp(50, 1e-12)), 8,
         "50 samples at 1e-06 us last less than two samples at 1 us"},
        {{TempFile("missing.txt")}, 6, "No such file or directory"},
        {Text("words.txt", "time amplitude\nnone\n"), 8, "no lines of numbers found"},
        {Text("ragged.txt", "0 1\n1e-6 2\n2e-6\n"), 8,
         "line 3: 1 number where the data have 2 columns"},
        {Text("text.txt", "0 1\n1e-6 x\n"), 8, "line 2: not a line of numbers"},
        {Text("glued.txt", "0 1\n1e-6 2.5e\n"), 8, "line 2: not a line of numbers"},
        {Text("semi.txt", "0;1\n1e-6;2;\n"), 8, "line 2: not a line of numbers"},
        {Text("gap.txt", "0 1\n\n1e-6 2\n"), 8, "line 2: empty line inside the data"},
        {Text("jump.txt", "0 1\n1e-6 2\n2.5e-6 3\n3e-6 4\n"), 8,
         "line 3: time step 1.5e-06 s differs from the mean step 1e-06 s by more than 1 %"},
        {Text("nan.txt", "0 1\n1e-6 nan\n"), 8, "line 2: a value is not a finite number"},
        {Text("one.txt", "0 1\n"), 8, "line 1: only 1 sample, at least 2 are needed"},
        {afterGood("short.txt", Ramp(99, 5e-6)), 8, "99 samples where " + good + " has 100"},
        {afterGood("other.txt", Ramp(100, 6e-6)), 8,
         "sample interval 6e-06 s where " + good + " has 5e-06 s"},
        {afterGood("wide.txt", Ramp(100, 5e-6, 3)), 8,
         "line 1: 2 channels where " + good + " has 1"},
        {{truncated}, 8, "truncated: ends inside trace 3 (486 of 496 bytes)"},
        {{good, segy}, 8, "is a SEG-Y file but " + good + " is a text recording"},
        {Text("header-only.sgy", "short"), 8, "shorter than the 3600-byte file header"},
        {{good}, 8, "the files have one channel, so there is no channel 2", kChannel2},
        {Text("binary.txt", std::string("\x01\x02\x00\xFF", 4)), 8,
         "not a recording Karvelo reads (SEG-Y, text, WAV, NumPy .npy, MATLAB .mat, LabVIEW .lvm)"},
        {Text("column.txt", "0.5\n0.25\n-0.5\n"), 8,
         "one column of amplitudes without a sample interval: give the interval in microseconds "
         "(--interval-us, \"Шаг дискретизации, мкс\")"},
        {Text("bool.npy", NpyV1("{'descr': '|b1', 'shape': (3,), }") + "\x01"), 8,
         "NumPy element type '|b1' is not supported (float32, float64, int16, int32 are)"},
        {Text("cube.npy", NpyV1("{'descr': '<f8', 'shape': (2,2,2)}")), 8,
         "NumPy shape (2,2,2): one trace (1-D) or one trace a row (2-D) is read"},
        {Text("cut.npy", NpyV1("{'descr': '<f8', 'shape': (9,), }")), 8,
         "holds fewer than the 9 values its shape gives"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const std::string message = RefusalOf(c.files, c.channelMode, {});
        const std::string table(ErrorMessages[static_cast<std::size_t>(c.code)]);
        EXPECT_EQ(message.substr(0, table.size() + 1), table + "\n") << message;
        EXPECT_NE(message.find("\n" + c.files.back()), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(c.reason)) << message;
    }
}

}  // namespace
}  // namespace karvelo::testing
