// SEG-Y files written by segyio in every sample format and byte order load the samples
// of their formula; several files join in order; a saved profile opens to the same samples.
#include "profile/file_source_support.h"
#include "profile/segy_save.h"

namespace karvelo::testing {
namespace {

TEST_F(FileSourceTest, EverySegyFormatAndByteOrderLoadsAndFilesJoinInTheOrderGiven) {
    const struct {
        const char* name;
        int format;
        std::uint16_t programFormat;
    } cases[] = {
        {"ibm", SEGY_IBM_FLOAT_4_BYTE, kFormatIeeeFloat},
        {"int32", SEGY_SIGNED_INTEGER_4_BYTE, kFormatInt32},
        {"int16", SEGY_SIGNED_SHORT_2_BYTE, kFormatIeeeFloat},
        {"ieee", SEGY_IEEE_FLOAT_4_BYTE, kFormatIeeeFloat},
        {"int8", SEGY_SIGNED_CHAR_1_BYTE, kFormatIeeeFloat},
    };
    for (const auto& c : cases) {
        for (const bool lsb : {false, true}) {
            SCOPED_TRACE(std::string(c.name) +
                         (lsb ? " little-endian first" : " big-endian first"));
            // Two channels (sequence numbers in pairs) in two files of either byte order.
            const std::string name(c.name);
            const std::string a = WriteSegyFile(name + "-a.sgy", c.format, lsb, 4, 300, 8, 2);
            const std::string b = WriteSegyFile(name + "-b.sgy", c.format, !lsb, 2, 300, 8, 2, 4);
            ASSERT_TRUE(LoadFiles({a, b}, kChannel2, 1, {})) << sink_.messages.at(0);
            EXPECT_EQ(TraceCount(profile().image), 3);  // records 1, 3 and 5 of the joined six
            EXPECT_EQ(SampleFormat(profile().image), c.programFormat);
            for (std::size_t k = 0; k < 3; ++k) {
                for (std::size_t s = 0; s < 300; ++s) {
                    ASSERT_EQ(ProfileSample(profile(), k, s), FormulaSample(2 * k + 1, s))
                        << k << " " << s;
                }
            }
        }
    }
}

TEST_F(FileSourceTest, SavedProfileOpensToTheSameSamples) {
    const std::string path = TempFile("saved.sgy");
    EXPECT_FALSE(SaveProfileSegy(profile().image, path));
    EXPECT_EQ(sink_.messages, std::vector<std::string>{"No data to save."});
    const auto samples = [this] {
        std::vector<double> all;
        for (std::size_t r = 0; r < TraceCount(profile().image); ++r) {
            for (std::size_t s = 0; s < 2048; ++s) {
                all.push_back(ProfileSample(profile(), r, s));
            }
        }
        return all;
    };
    for (const int mode : {kBothChannels, kChannel2}) {
        ASSERT_TRUE(LoadBuiltIn(0, mode, 1));
        const std::uint32_t traces = profile().TracesPerPoint, points = profile().PointCount;
        const std::vector<double> saved = samples();
        ASSERT_TRUE(SaveProfileSegy(profile().image, path));
        ASSERT_TRUE(LoadFiles({path}, kBothChannels, 1, {}));
        EXPECT_EQ(profile().TracesPerPoint, traces);
        EXPECT_EQ(profile().PointCount, points);
        EXPECT_EQ(SampleInterval(profile().image), 31);
        EXPECT_TRUE(samples() == saved);
    }
    EXPECT_EQ(sink_.messages.size(), 1u);
}

}  // namespace
}  // namespace karvelo::testing
