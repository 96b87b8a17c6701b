// SEG-Y files written by segyio in every sample format and byte order load the samples
// of their formula; several files join in order; a saved profile opens to the same samples.
#include <filesystem>

#include "profile/file_source_support.h"
#include "profile/segy_save.h"

namespace karvelo::testing {
namespace {

TEST_F(FileSourceTest, EverySegyFormatAndByteOrderRoundTrips) {
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
            SCOPED_TRACE(std::string(c.name) + (lsb ? " little-endian" : " big-endian"));
            const std::string path = WriteSegyFile(
                std::string(c.name) + (lsb ? "-lsb" : "-msb") + ".sgy", c.format, lsb, 6, 300, 8);
            ASSERT_TRUE(LoadProfileFiles({path}, kBothChannels, 2, {})) << sink_.messages.at(0);
            EXPECT_EQ(SampleInterval(), 8);
            EXPECT_EQ(SampleFormat(), c.programFormat);
            EXPECT_EQ(TracesPerPoint, 2u);  // one channel: every record kept
            EXPECT_EQ(PointCount, 3u);
            for (std::size_t r = 0; r < 6; ++r) {
                for (std::size_t s = 0; s < 300; ++s) {
                    ASSERT_EQ(ProfileSample(r, s), FormulaSample(r, s)) << r << " " << s;
                }
            }
        }
    }
}

TEST_F(FileSourceTest, SegyFilesJoinInTheOrderGivenAndPairedSequenceMeansTwoChannels) {
    const std::string a = WriteSegyFile("join-a.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 4, 50, 10, 2);
    const std::string b =
        WriteSegyFile("join-b.sgy", SEGY_SIGNED_INTEGER_4_BYTE, true, 2, 50, 10, 2, 4);
    ASSERT_TRUE(LoadProfileFiles({a, b}, kChannel2, 1, {}));
    EXPECT_EQ(TraceCount(), 3);  // records 1, 3, 5 of the joined six
    EXPECT_EQ(SampleFormat(), kFormatIeeeFloat);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(ProfileSample(k, 17), FormulaSample(2 * k + 1, 17));
    }
}

TEST_F(FileSourceTest, SavedProfileOpensToTheSameSamples) {
    const auto samples = [] {
        std::vector<double> all;
        for (std::size_t r = 0; r < TraceCount(); ++r) {
            for (std::size_t s = 0; s < 2048; ++s) {
                all.push_back(ProfileSample(r, s));
            }
        }
        return all;
    };
    const std::string path = TempFile("saved.sgy");
    for (const int mode : {kBothChannels, kChannel2}) {
        ASSERT_TRUE(LoadProfile(0, mode, 1));
        const LoadedState before = LoadedState::Take();
        const std::vector<double> saved = samples();
        ASSERT_TRUE(SaveProfileSegy(path));
        ASSERT_TRUE(LoadProfileFiles({path}, kBothChannels, 1, {}));
        EXPECT_EQ(TracesPerPoint, before.traces);
        EXPECT_EQ(PointCount, before.points);
        EXPECT_EQ(SampleInterval(), 31);
        EXPECT_TRUE(samples() == saved);
    }
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(FileSourceTest, SavingWithoutAProfileIsRefused) {
    EXPECT_FALSE(SaveProfileSegy(TempFile("nothing.sgy")));
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0], "No data to save.");
}

}  // namespace
}  // namespace karvelo::testing
