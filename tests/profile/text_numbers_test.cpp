// Numbers of text recordings read to the very double std::from_chars gives, whichever way
// the reader takes; and files read whole, whether small enough to copy or mapped.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "common/whole_file.h"
#include "fakes/temp_file.h"
#include "profile/text_numbers.h"

namespace karvelo {
namespace {

// What a field reads as when std::from_chars must consume all of it.
bool Reference(const std::string& field, double& value) {
    const char* begin = field.data() + (field.starts_with('+') ? 1 : 0);
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    return begin != end && error == std::errc() && stop == end;
}

void ExpectSameAsReference(const std::string& field) {
    double expected = 0.0;
    double value = 0.0;
    const bool parsed = ParseNumber(field, false, value);
    ASSERT_EQ(parsed, Reference(field, expected)) << field;
    if (parsed) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
            << field;
    }
    // Inside a line, followed by a separator, the field reads the same.
    double values[kMaxTextColumns] = {};
    const int count = ParseLine(field + "\t1", Dialect::kGeneral, values);
    EXPECT_EQ(count == 2, parsed) << field;
    if (parsed && count == 2) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(values[0]), std::bit_cast<std::uint64_t>(expected))
            << field;
    }
}

TEST(TextNumbers, EveryFieldReadsAsFromChars) {
    const std::vector<std::string> fields = {"0",
                                             "-0",
                                             "-0.0",
                                             "+2.5",
                                             "1.",
                                             ".5",
                                             "-.5",
                                             "5.000000E-6",
                                             "-2.038576E-2",
                                             "7e+3",
                                             "1E22",
                                             "1e23",
                                             "1e-22",
                                             "3e-23",
                                             "9007199254740992",
                                             "9007199254740993",
                                             "1234567890123456789",
                                             "12345678901234567890",
                                             "0.1000000000000000055511151231257827",
                                             "1.7976931348623157e308",
                                             "4.9e-324",
                                             "1e-400",
                                             "1e400",
                                             "0e-30",
                                             "1e00005",
                                             "1e",
                                             "1e+",
                                             "-",
                                             ".",
                                             "",
                                             "nan",
                                             "inf",
                                             "-inf",
                                             "0x10",
                                             "1.2.3",
                                             "12a",
                                             "--1",
                                             "+-1",
                                             "00000000000000000001.5",
                                             "0.00000000000000000001"};
    for (const std::string& field : fields) {
        ExpectSameAsReference(field);
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> magnitude(-30.0, 30.0);
    const char* formats[] = {"%.6E", "%.17g", "%.9f", "%.3e", "%g", "%.0f"};
    char text[64];
    for (int i = 0; i < 60000; ++i) {
        const double x = (random() % 2 == 0 ? -1.0 : 1.0) * std::pow(10.0, magnitude(random)) *
                         std::generate_canonical<double, 53>(random);
        std::snprintf(text, sizeof text, formats[i % std::size(formats)], x);
        ExpectSameAsReference(text);
    }
}

TEST(WholeFile, SmallFilesAreReadAndLargeOnesMappedAlike) {
    for (const std::uint64_t size :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{4096}, MappedFile::kReadBelowBytes,
          MappedFile::kReadBelowBytes + 1}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>('a' + i % 23);
        }
        const std::string path = testing::TempFile("whole-" + std::to_string(size));
        std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
        MappedFile file;
        std::string reason;
        ASSERT_EQ(file.Open(path, kMaxWholeFileBytes, reason), FileFault::kNone) << reason;
        EXPECT_EQ(file.Bytes(), bytes) << size;
        std::remove(path.c_str());
    }
}

}  // namespace
}  // namespace karvelo
