// The PNG written directly is, byte for byte, the one Qt's PNG writer makes of the same
// surface, whichever filter each row needs.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <random>
#include <string>

#include "app/surface_png.h"
#include "app/surface_text_painter.h"

namespace karvelo::testing {
namespace {

std::string QtPng(Surface& surface) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // The resolution of karvelo-cli's offscreen screen (96 dpi); without an application
    // Qt would take another.
    QImage image = WrapSurface(surface);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    EXPECT_TRUE(writer.write(image));
    return png.toStdString();
}

// Bands of rows that each suit another filter: flat colour, noise, gradients across,
// down and diagonally, and curves drawn in the surface's own pen. Each of the five
// filters is chosen for some row (tools/mutate's png faults show it).
void PaintBands(Surface& surface) {
    std::mt19937 random(7);
    const int w = surface.Width();
    for (int y = 0; y < surface.Height(); ++y) {
        const int band = (y / 40) % 6;
        for (int x = 0; x < w; ++x) {
            const auto v = static_cast<unsigned>(band == 0   ? 200
                                                 : band == 1 ? random() & 0xFF
                                                 : band == 2 ? x * 7
                                                 : band == 3 ? y * 5 + (x & 3)
                                                 : band == 4 ? (x + y) * 3
                                                             : (x * x + y) / 9);
            surface.SetPixel(x, y, Rgb(v & 0xFF, (v >> 1) & 0xFF, (v * 3) & 0xFF));
        }
    }
    surface.MoveTo(0, 0);
    for (int x = 0; x < w; x += 5) {
        surface.LineTo(x, 360 + (x * 37) % 300);
    }
}

TEST(SurfacePng, IsTheFileQtWritesOfTheSameSurface) {
    Surface blank;
    Surface bands;
    PaintBands(bands);
    Surface wider(1283, 731);
    PaintBands(wider);
    for (Surface* surface : {&blank, &bands, &wider}) {
        const std::optional<std::string> png = EncodeSurfacePng(*surface);
        ASSERT_TRUE(png.has_value());
        const std::string qt = QtPng(*surface);
        EXPECT_TRUE(*png == qt)
            << surface->Width() << " x " << surface->Height() << ": differs from byte "
            << std::mismatch(png->begin(), png->end(), qt.begin(), qt.end()).first - png->begin()
            << " of " << qt.size();
    }
}

}  // namespace
}  // namespace karvelo::testing
