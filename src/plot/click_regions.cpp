#include "plot/click_regions.h"

#include <algorithm>

#include "plot/picking.h"
#include "plot/plot_layout.h"
#include "plot/plot_panels.h"

namespace karvelo {

std::array<ClickRegion, kClickRegionCapacity> ClickRegions{};
std::int32_t ClickRegionCount = 0;

namespace {

// The regions in use that take a press at (x, y).
template <typename Call>
void ForEachRegionHit(int x, int y, Call call) {
    const auto inUse = static_cast<std::size_t>(
        std::clamp<std::int32_t>(ClickRegionCount, 0, kClickRegionCapacity));
    for (std::size_t r = 0; r < inUse; ++r) {
        const ClickRegion& region = ClickRegions[r];
        if (region.Active && region.FrameContains(x, y)) {
            call(region);
        }
    }
}

}  // namespace

bool ClickRegion::FrameContains(int x, int y) const {
    return x >= Left + kFrameInset && x <= Left + Width - kFrameInset && y >= Top + kFrameInset &&
           y <= Top + Height - kFrameInset;
}

void SetUpPickRegion() {
    ClickRegions[kPickRegion] =
        ClickRegion{false,    kProfileMapLeft, kProfileMapTop, kProfileMapWidth, kProfileMapHeight,
                    &AddPick, nullptr};
    ClickRegionCount = 1;
}

void SetPickRegionActive(bool active) {
    ClickRegions[kPickRegion].Active = active;
}

void DispatchLeftPress(int x, int y, Surface& surface, std::uint32_t pointCount, PickStore& store) {
    ForEachRegionHit(x, y, [&](const ClickRegion& region) {
        if (region.LeftPress != nullptr) {
            region.LeftPress(x, y, surface, region.Width, region.Left, pointCount, store);
        }
    });
}

void DispatchRightPress(int x, int y, Surface& surface) {
    SetPickRegionActive(false);
    ForEachRegionHit(x, y, [&](const ClickRegion& region) {
        if (region.RightPress != nullptr) {
            region.RightPress(x, y, surface);
        }
    });
}

}  // namespace karvelo
