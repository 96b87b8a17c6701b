// The PNG written directly is, byte for byte, the one Qt's PNG writer makes of the same
// surface, whichever filter each row needs.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <random>
#include <set>
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

// The filter byte of every row of an 8-bit RGB PNG.
std::set<int> RowFilters(const std::string& png, int width, int height) {
    std::string stream;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(png[i]); };
        const std::size_t length =
            (byte(at) << 24) | (byte(at + 1) << 16) | (byte(at + 2) << 8) | byte(at + 3);
        if (png.compare(at + 4, 4, "IDAT") == 0) {
            stream.append(png, at + 8, length);
        }
        at += 12 + length;
    }
    const std::size_t rowBytes = 1 + 3 * static_cast<std::size_t>(width);
    std::string rows(rowBytes * static_cast<std::size_t>(height), '\0');
    uLongf size = rows.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &size,
                         reinterpret_cast<const Bytef*>(stream.data()), stream.size()),
              Z_OK);
    std::set<int> filters;
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        filters.insert(static_cast<unsigned char>(rows[y * rowBytes]));
    }
    return filters;
}

// Bands of rows that each suit another filter: flat colour, noise, gradients across,
// down and diagonally, and curves drawn in the surface's own pen.
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
    EXPECT_EQ(RowFilters(*EncodeSurfacePng(bands), bands.Width(), bands.Height()),
              (std::set<int>{0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace karvelo::testing
