#include "plot/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

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

// Every pixel of a line is where the closed form puts it: along the major axis, the
// minor offset round(i * minor / major), halves away from the start; lines entering
// from outside the buffer included.
TEST(Surface, LinePixelsFollowTheClosedForm) {
    struct Line {
        int x0, y0, x1, y1;
    };
    const Line lines[] = {
        {10, 10, 400, 137},    {400, 137, 10, 10},  {5, 700, 13, 20}, {600, 30, 599, 31},
        {-300, -50, 900, 300}, {1500, 900, 100, 5}, {20, 20, 60, 60}, {3, 9, 3, 200},
    };
    for (const Line& l : lines) {
        SCOPED_TRACE(testing::Message() << l.x0 << "," << l.y0 << " to " << l.x1 << "," << l.y1);
        Surface surface;
        surface.MoveTo(l.x0, l.y0);
        surface.LineTo(l.x1, l.y1);
        Surface expected;
        const std::int64_t dx = l.x1 - l.x0;
        const std::int64_t dy = l.y1 - l.y0;
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
        const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
        for (std::int64_t i = 0; i < major; ++i) {
            const std::int64_t offset = (2 * i * minor + major) / (2 * major);
            const std::int64_t along = (xMajor ? dx : dy) > 0 ? i : -i;
            const std::int64_t across = (xMajor ? dy : dx) >= 0 ? offset : -offset;
            const auto x = static_cast<int>(l.x0 + (xMajor ? along : across));
            const auto y = static_cast<int>(l.y0 + (xMajor ? across : along));
            expected.SetPixel(x, y, kBlack);
        }
        EXPECT_TRUE(std::equal(surface.Data(), surface.Data() + 1280 * 720, expected.Data()));
    }
}

}  // namespace
}  // namespace karvelo
