// Files that are no recordings or hold values no image can: refused with the file named and
// the reason, before a reader or library opens them, the previous profile kept.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

// Writes the big-endian bytes of word over the file at offset.
void Overwrite(const std::string& path, std::uint64_t offset, std::uint32_t word) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    for (int shift = 24; shift >= 0; shift -= 8) {
        file.put(static_cast<char>(word >> shift));
    }
}

// Offset of sample s (0-based) of trace t in a file of WriteSegyFile with 4-byte samples.
std::uint64_t SegySampleOffset(int samples, int t, int s) {
    return 3600 + static_cast<std::uint64_t>(t) * (240 + 4 * samples) + 240 + 4 * s;
}

// A MATLAB v5 file (little-endian) of one plain double matrix whose header declares dims.
std::string MatlabFile(const std::vector<std::uint32_t>& dims) {
    std::string bytes = "MATLAB 5.0 MAT-file";
    bytes.resize(124, ' ');
    bytes += std::string("\x00\x01IM", 4);
    std::vector<std::uint32_t> words = {6, 8, 6, 0, 5, static_cast<std::uint32_t>(4 * dims.size())};
    words.insert(words.end(), dims.begin(), dims.end());
    words.resize(words.size() + words.size() % 2);                // padded to 8 bytes
    words.insert(words.end(), {4 << 16 | 1, 0x6161'6161, 9, 0});  // the name "aaaa", no data
    const std::uint32_t matrix[2] = {14, static_cast<std::uint32_t>(4 * words.size())};
    bytes.append(reinterpret_cast<const char*>(matrix), sizeof matrix);
    bytes.append(reinterpret_cast<const char*>(words.data()), 4 * words.size());
    return bytes;
}

TEST_F(FileSourceTest, HostileFilesAreRefusedBeforeTheyAreRead) {
    const std::string good = WriteTextFile("hostile-good.txt", Ramp(100, 5e-6));
    const std::string pipe = TempFile("hostile-pipe.sgy");
    std::filesystem::remove(pipe);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string folder = TempFile("hostile-folder");
    std::filesystem::create_directories(folder);
    const std::string loop = TempFile("hostile-loop.sgy");
    std::filesystem::remove(loop);
    std::filesystem::create_symlink(loop, loop);

    // A text file past the bound: text in its first block, the rest a hole.
    const std::string huge = WriteTextFile("hostile-huge.txt", Ramp(400, 5e-6));
    std::filesystem::resize_file(huge, 1100000000);
    // 2^31 one-byte traces of one sample: the size alone, as a hole.
    const std::string countless =
        WriteSegyFile("hostile-countless.sgy", SEGY_SIGNED_CHAR_1_BYTE, false, 1, 1, 4);
    std::filesystem::resize_file(countless, 3600 + (std::uint64_t{1} << 31) * 241);
    // 65535 samples a trace (the field's largest unsigned value), one trace cut short.
    const std::string longTrace =
        WriteSegyFile("hostile-long.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 1, 4, 4);
    Overwrite(longTrace, 3220, 0xFFFF0000u);
    const std::string nan =
        WriteSegyFile("hostile-nan.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 3, 8, 4);
    Overwrite(nan, SegySampleOffset(8, 1, 2), 0x7FC00000u);
    const std::string inf =
        WriteSegyFile("hostile-inf.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 3, 8, 4);
    Overwrite(inf, SegySampleOffset(8, 2, 7), 0xFF800000u);
    // float64 NumPy: 1e300 has no single-precision value.
    std::string npy = NpyV1("{'descr': '<f8', 'fortran_order': False, 'shape': (3,), }");
    for (const double v : {0.5, 1e300, 0.25}) {
        npy.append(reinterpret_cast<const char*>(&v), sizeof v);
    }

    const struct {
        std::vector<std::string> files;
        int code;
        std::string reason;  // the end of the message's second line
    } cases[] = {
        {{pipe}, 6, "is a named pipe (FIFO), not a file"},
        {{"/dev/null"}, 6, "is a device, not a file"},
        {{"/dev/zero"}, 6, "is a device, not a file"},
        {{folder}, 6, "is a directory, not a file"},
        {{good, folder}, 6, "is a directory, not a file"},
        {{loop}, 6, "Too many levels of symbolic links"},
        {{huge}, 8, "1.1 GB, larger than the 1 GB a recording file may be"},
        {{countless},
         8,
         "its size (518 GB) gives 2147483648 traces, more than a SEG-Y file can number"},
        {{longTrace}, 8, "truncated: ends inside trace 1 (256 of 262380 bytes)"},
        {{nan}, 8, "trace 2, sample 3 is not a number (NaN)"},
        {{inf}, 8, "trace 3, sample 8 is infinite or beyond the single-precision range"},
        {Text("hostile-big.txt", "0 1\n1e-6 1e300\n"), 8,
         "line 2: amplitude 1e+300 is beyond the single-precision range"},
        {Text("hostile-nan.txt", "0 1\n1e-6 NaN\n"), 8, "line 2: a value is not a finite number"},
        {Text("hostile-big.npy", npy), 8,
         "trace 1, sample 2 is infinite or beyond the single-precision range"},
        // matio would allocate what these headers declare before reading a byte of data
        {Text("hostile-rank.mat", MatlabFile(std::vector<std::uint32_t>(40, 1))), 8,
         "not a MATLAB file matio can be given: variable 1 declares 40 dimensions"},
        {Text("hostile-dims.mat", MatlabFile({800000, 512})), 8,
         "not a MATLAB file matio can be given: variable 1 declares 409600000 values, more than "
         "its 56 bytes can hold"},
        // a matrix declared empty: matio would take what follows for its flags and dimensions
        {Text("hostile-empty.mat", MatlabFile({2000, 1}).replace(132, 4, 4, '\0')), 8,
         "not a MATLAB file matio can be given: variable 1 has array flags, dimensions or a name "
         "not as the format has them"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const std::string table(ErrorMessages[static_cast<std::size_t>(c.code)]);
        const char* joint = c.reason.starts_with("line") ? ", " : ": ";
        EXPECT_EQ(RefusalOf(c.files, kChannel1, {.IntervalUs = 4.0}),
                  table + "\n" + c.files.back() + joint + c.reason);
    }
    for (const std::string& path : {pipe, huge, countless, loop}) {
        std::filesystem::remove(path);
    }
}

}  // namespace
}  // namespace karvelo::testing
