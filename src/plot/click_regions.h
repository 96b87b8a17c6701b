// The plot regions that take mouse presses. Region 0 is the pick region on the
// profile-spectrum map; presses count only inside a region's frame (its panel inset by
// 50 pixels, borders included).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "plot/pick_store.h"
#include "plot/surface.h"

namespace karvelo {

// Left press at (x, y) with the region's panel width and left edge, over a map of
// pointCount measuring points whose picks go to store.
using LeftPressOperation = void (*)(int x, int y, Surface& surface, int width, int left,
                                    std::uint32_t pointCount, PickStore& store);
using RightPressOperation = void (*)(int x, int y, Surface& surface);

struct ClickRegion {
    bool Active = false;  // the region takes presses
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    LeftPressOperation LeftPress = nullptr;    // nullptr does nothing
    RightPressOperation RightPress = nullptr;  // nullptr does nothing

    bool FrameContains(int x, int y) const;
};

inline constexpr std::size_t kClickRegionCapacity = 2;
inline constexpr std::size_t kPickRegion = 0;

extern std::array<ClickRegion, kClickRegionCapacity> ClickRegions;
extern std::int32_t ClickRegionCount;  // regions in use

// Sets up region 0, the pick region: inactive, the map's panel (275, 320, 900, 350),
// left press AddPick; one region in use. Called when the main window is created.
void SetUpPickRegion();

// Marks the pick region as taking presses (a left press in the profile-spectrum mode)
// or not (a left press in another mode).
void SetPickRegionActive(bool active);

// A left press at (x, y): calls the left-press operation of every region in use that is
// active and whose frame contains the press.
void DispatchLeftPress(int x, int y, Surface& surface, std::uint32_t pointCount, PickStore& store);

// A right press at (x, y): marks the pick region inactive, then calls the right-press
// operation of every region in use that is active and whose frame contains the press.
void DispatchRightPress(int x, int y, Surface& surface);

}  // namespace karvelo
