// The time unit comes from the source; text files are taken in the natural order of names.
#include "analysis/frequency_axis.h"
#include "plot/plot_panels.h"
#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

std::string Recording(std::size_t samples, int stepMicroseconds) {
    std::string text;
    for (std::size_t s = 0; s < samples; ++s) {
        text += std::to_string(static_cast<double>(s * stepMicroseconds) * 1e-6) + "\t" +
                std::to_string(FormulaSample(0, s)) + "\n";
    }
    return text;
}

TEST_F(FileSourceTest, TimeUnitFollowsTheSource) {
    // A 1000-sample dump of the program's own image is picoseconds; recordings from disk
    // are microseconds whatever their length.
    ASSERT_TRUE(LoadProfile(0, kBothChannels, 1));
    WriteU16(ProfileImage, kSamplesPerTraceOffset, 1000);
    const std::string image = TempFile("short-image.bin");
    std::ofstream(image, std::ios::binary)
        .write(reinterpret_cast<const char*>(ProfileImage.bytes.data()), kImageBytes);
    const std::string text = WriteTextFile("thousand.txt", Recording(1000, 5));
    struct Case {
        const char* name;
        std::function<bool()> load;
        TimeUnit unit;
        double step;  // Hz between bins
        const char* xCaption;
        const char* yCaption;
    };
    const Case cases[] = {
        {"built-in", [] { return LoadProfile(0, kBothChannels, 1); }, TimeUnit::kByImageRule,
         5e5 / (1024.0 * 31), "Trace number", "Time, mks."},
        {"own image of 1000 samples",
         [&] { return LoadProfileFiles({image}, kBothChannels, 1, {}); }, TimeUnit::kByImageRule,
         5e11 / (500.0 * 31), "Distance, mm.", "Time, ps."},
        {"text of 1000 samples", [&] { return LoadProfileFiles({text}, kBothChannels, 1, {}); },
         TimeUnit::kMicroseconds, 5e5 / (500.0 * 5), "Trace number", "Time, mks."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.load());
        EXPECT_EQ(ProfileTimeUnit, c.unit);
        EXPECT_DOUBLE_EQ(
            MakeFrequencyAxis(SamplesPerTrace(), SampleInterval(), ProfileTimeUnit).Step, c.step);
        const PlotLayout layout =
            TracePanelLayout(SamplesPerTrace(), SampleInterval(), ProfileTimeUnit);
        EXPECT_EQ(layout.XCaption, c.xCaption);
        EXPECT_EQ(layout.YCaption, c.yCaption);
    }
}

TEST_F(FileSourceTest, TextFilesAreTakenInNaturalOrder) {
    std::vector<std::string> files;
    for (const int k : {10, 2, 1}) {
        std::string text;
        for (int s = 0; s < 8; ++s) {
            text += std::to_string(s * 1e-6) + " " + std::to_string(k) + "\n";
        }
        files.push_back(WriteTextFile("order-P-" + std::to_string(k) + ".txt", text));
    }
    ASSERT_TRUE(LoadProfileFiles(files, kChannel1, 1, {}));
    EXPECT_EQ(ProfileSample(0, 0), 1.0);
    EXPECT_EQ(ProfileSample(1, 0), 2.0);
    EXPECT_EQ(ProfileSample(2, 0), 10.0);
}

}  // namespace
}  // namespace karvelo::testing
