// With every option of the thickness tools at its default, the files, pictures and
// printed values stay exactly those recorded before the tools existed.
#include <gtest/gtest.h>

#include <string>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

std::string Sha256(const std::string& path) {
    return Output("sha256sum " + path).substr(0, 64);
}

TEST(CliDefaults, OutputsAreThoseRecordedBeforeTheThicknessTools) {
    const std::string dir = TempFile("defaults-");
    const auto file = [&dir](const char* name) { return dir + name; };
    // Output of the commands below as the program wrote it before; the printed lines
    // leave out the refined frequency, the report keeps its first four columns (named
    // with their units, the thickness in mm and the amplitude to 0.001 since the report
    // was worded for engineers).
    const struct {
        std::string args;
        std::string printed;
    } runs[] = {
        {"analyse --mode product --velocity 3780 --quality --click 432,400 --spectrum " +
             file("S.txt") + " --save-quality " + file("Q.txt") + " --png " + file("P1.png"),
         "1f123db9062eafda8d1a1fd1d2474cd5dcf8bbda013e1295cfd7a4f85bca070f"},
        {"analyse --mode profile --contrast 20 --pick 400,450 --pick 500,460 --pick-ok --png " +
             file("P2.png") + " --save-picks " + file("K.txt"),
         "b1f224a5807db37f1c2ce2ca1e7ff0103da269661a815c4aaec96da6ec04ac85"},
        {"analyse --mode average --view density --trace 1 --point 3 --fmin 100 --fmax 5000 "
         "--png " +
             file("P3.png") + " --spectrum " + file("S3.txt"),
         "5d4c2aced21c6c6cb5a23615a19894113959eee262a47be8f6c2e49ee10b691f"},
        {"correlate 0 0 1 1 --tmax 1000 --values " + file("C.txt") + " --png " + file("P4.png"),
         "79124d3e1afa00986a3f292fa98c96452df5cf6fb048ab729aa00f0419cdfc9d"},
    };
    for (const auto& run : runs) {
        const CliResult r = RunCli(run.args + " | grep -v '^refined' > " + file("printed.out"));
        EXPECT_EQ(r.status, 0) << run.args;
        EXPECT_EQ(Sha256(file("printed.out")), run.printed) << run.args;
    }
    const CliResult report =
        RunCli("report --mode product --velocity 3780 | cut -d' ' -f1-4 > " + file("R.out"));
    EXPECT_EQ(report.status, 0);
    const struct {
        const char* name;
        const char* sha256;
    } files[] = {
        {"C.txt", "8fe05282fce9610834c40a60b695945178e9ed5bb1e6829cc707e407d4240e4a"},
        {"K.txt", "0cbc5537ceb0c83323a0a532e30aceaca6f3d135347f17e6d97c399578b17785"},
        {"Q.txt", "d4d9029ae787a0faa864f95c43172ee07630cc6e5a269ed2fa6ae79da8defd90"},
        {"S.txt", "6bb336f4d9d960a6592b430d0ecc4484330d77618b7726a47406696513e0d50e"},
        {"S3.txt", "024f51a38478653309433bbfcea41a6e6631255fc4258748fe671893de48c0e4"},
        {"P1.png", "6b9cdf0c8f7bc0c0cd299c8e0f1b163dff5ca2d65bca5d85cdd4007ac70fb4c0"},
        {"P2.png", "ce8de2fa77b1ea49052d2308db432a3c76f76b50238f0eee2be252d1042b9e75"},
        {"P3.png", "c3021c344de8b627623911b30bbe0690acc940b51914f7446ba15cb79b4c7d55"},
        {"P4.png", "9be3551f7664a2d49720e40e25793c1ccd4415f328d4a215bcda31bc56b2a0fc"},
        {"R.out", "0634f16abe26f03e26215a3dee7a999470280fd8fdf0308c3c5747580d29d25e"},
    };
    for (const auto& f : files) {
        EXPECT_EQ(Sha256(file(f.name)), f.sha256) << f.name;
    }
}

}  // namespace
}  // namespace karvelo::testing
