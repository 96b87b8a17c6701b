#include "plot/surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace karvelo {
namespace {

int BlackPixels(const Surface& surface) {
    const std::uint32_t black = Surface::ToRgb32(kBlack);
    const std::uint32_t* data = surface.Data();
    return static_cast<int>(std::count(
        data, data + static_cast<std::ptrdiff_t>(surface.Width()) * surface.Height(), black));
}

TEST(Surface, StartsWhiteNeverSmallerThanThePanelsAndStoresOpaqueRgb32Words) {
    Surface surface(640, 480);
    EXPECT_EQ(surface.Width(), 1280);
    EXPECT_EQ(surface.Height(), 720);
    EXPECT_EQ(Surface(1920, 1080).Width(), 1920);
    EXPECT_EQ(BlackPixels(surface), 0);
    surface.SetPixel(3, 2, Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(surface.Data()[2 * surface.Width() + 3], 0xFF123456U);
    EXPECT_EQ(surface.PixelAt(3, 2), Rgb(0x12, 0x34, 0x56));
    surface.FillWhite();
    EXPECT_EQ(surface.Data()[2 * surface.Width() + 3], 0xFFFFFFFFU);
}

TEST(Surface, LineToPaintsEveryPixelButTheEndPointAndNothingOutsideTheBuffer) {
    struct Case {
        int x0, y0, x1, y1;
        int painted;
    };
    for (const Case c :
         {Case{10, 10, 20, 10, 10}, Case{10, 20, 10, 10, 10}, Case{15, 15, 10, 10, 5},
          Case{-100, 5, 5, 5, 5}, Case{1277, 800, 1277, -100, 720},
          Case{-2'000'000'000, 7, 2'000'000'000, 7, 1280}}) {
        Surface surface;
        surface.MoveTo(c.x0, c.y0);
        surface.LineTo(c.x1, c.y1);
        EXPECT_EQ(BlackPixels(surface), c.painted) << c.x0 << "," << c.y0;
        EXPECT_EQ(surface.PixelAt(c.x1, c.y1), c.x1 < 1280 && c.y1 >= 0 ? kWhite : kNoPixel);
        EXPECT_EQ(surface.CurrentPosition(), (PixelPosition{c.x1, c.y1}));
    }
    Surface surface;
    surface.MoveTo(15, 15);
    surface.LineTo(10, 10);
    EXPECT_EQ(surface.PixelAt(11, 11), kBlack);
    surface.SetPixel(-1, 0, kBlack);
    surface.SetPixel(0, 720, kBlack);
    EXPECT_EQ(BlackPixels(surface), 5);
}

}  // namespace
}  // namespace karvelo
