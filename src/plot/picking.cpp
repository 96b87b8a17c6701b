#include "plot/picking.h"

#include "plot/pick_store.h"
#include "plot/plot_layout.h"
#include "plot/point_columns.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

void MarkPick(Surface& surface, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            surface.SetPixel(x + dx, y + dy, kWhite);
        }
    }
}

}  // namespace

void AddPick(int x, int y, Surface& surface, int width, int left, std::uint32_t pointCount,
             PickStore& store) {
    const PointColumns points{left + kFrameInset,
                              ColumnsPerPoint(width - 2 * kFrameInset, pointCount), pointCount};
    const int snapped = points.Snap(x);
    switch (StorePick(store, snapped, y)) {
        case PickJoin::Ignored:
            return;
        case PickJoin::StartedLine:
            MarkPick(surface, snapped, y);
            surface.MoveTo(snapped, y);
            return;
        case PickJoin::ContinuedLine: {
            MarkPick(surface, snapped, y);
            const Pick previous = PreviousPick(store);
            surface.SelectPen(Pen::White);
            surface.MoveTo(previous.X, previous.Y);
            surface.LineTo(snapped, y);
            surface.SelectPen(Pen::Black);
            return;
        }
    }
}

}  // namespace karvelo
