// Labels copied from their first painting are, pixel for pixel, what Qt paints in place:
// on white, over lines and other labels, and cut by the surface's edges.
#include <gtest/gtest.h>

#include <QPainter>

#include <string>

#include "app/surface_text_painter.h"
#include "cli/offscreen_application.h"

namespace karvelo::testing {
namespace {

TEST(SurfaceText, CopiedLabelsAreWhatQtPaintsInPlace) {
    Application();
    Surface surface;
    SurfaceTextPainter painter(surface);
    // A grey band and a line to paint over.
    for (int y = 300; y < 330; ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            surface.SetPixel(x, y, Rgb(200, 200, 200));
        }
    }
    surface.MoveTo(0, 205);
    surface.LineTo(surface.Width(), 205);
    QImage expected = WrapSurface(surface).copy();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const int ascent = QFontMetrics(font, &expected).ascent();

    const std::string labels[] = {"0", "1250", "Частота, Гц", "-3.5e+06", "(4 882;0.97)", " ", ""};
    const int places[][2] = {
        {100, 100}, {400, 100},                       // on white
        {100, 200}, {100, 310},                       // over the line and the grey band
        {103, 102},                                   // over the label before
        {-6, 50},   {1270, 50}, {50, -5}, {50, 712},  // cut by the edges
        {100, 100},                                   // the first place again
    };
    for (const auto& place : places) {
        for (const std::string& label : labels) {
            const int x = place[0] + 150 * static_cast<int>(&label - labels) % 600;
            painter.DrawText(x, place[1], label);
            QPainter reference(&expected);
            reference.setFont(font);
            reference.setPen(Qt::black);
            reference.drawText(QPoint(x, place[1] + ascent), QString::fromStdString(label));
        }
    }
    int differing = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < surface.Width(); ++x) {
            differing += surface.Data()[y * surface.Width() + x] != line[x] ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace karvelo::testing
