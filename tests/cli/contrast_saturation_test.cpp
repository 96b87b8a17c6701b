// The contrast bar at its end clips every map value to the top of the scale: the whole
// map is drawn in the saturated colour of the palette.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"
#include "plot/palette.h"

namespace karvelo {
namespace {

// The map's frame on the 1280 x 720 surface, inside its border.
constexpr int kMapLeft = 326;
constexpr int kMapRight = 1124;
constexpr int kMapTop = 371;
constexpr int kMapBottom = 619;

TEST(ContrastSaturation, OnlyTheFullContrastDrawsTheWholeMapSaturated) {
    const Colour red = PaletteColour(kSpectrumPalette, kSpectrumMaxIndex);
    const QRgb saturated = qRgb(red & 0xFF, (red >> 8) & 0xFF, (red >> 16) & 0xFF);
    const std::string png = testing::TempFile("contrast.png");
    for (const int contrast : {0, 50, 99, 100}) {
        SCOPED_TRACE(contrast);
        const auto r = testing::RunCli("analyse --mode profile --contrast " +
                                       std::to_string(contrast) + " --png " + png);
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        const QImage image(QString::fromStdString(png));
        int saturatedPixels = 0;
        for (int y = kMapTop; y <= kMapBottom; ++y) {
            for (int x = kMapLeft; x <= kMapRight; ++x) {
                saturatedPixels += image.pixel(x, y) == saturated ? 1 : 0;
            }
        }
        const int all = (kMapRight - kMapLeft + 1) * (kMapBottom - kMapTop + 1);
        EXPECT_EQ(saturatedPixels == all, contrast == 100) << saturatedPixels << " of " << all;
    }
}

}  // namespace
}  // namespace karvelo
