// Setting a pick on the profile-spectrum map with the left mouse button; the presses
// reach AddPick through the click regions.
#pragma once

#include "plot/click_regions.h"
#include "plot/pick_store.h"
#include "plot/surface.h"

namespace karvelo {

// The pick region's left-press operation. (x, y) is a press inside the map's frame,
// width and left the region's panel width and left edge. x is snapped to the column of
// the nearest of the pointCount measuring points of the map (a tie goes left, a
// press right of the last point keeps x), then the pick joins store and is marked
// on surface: 3 x 3 white pixels around it and, when it continues a line, a white line
// from the line's previous pick; the black pen is selected again afterwards. A pick the
// store cannot take is neither stored nor marked.
void AddPick(int x, int y, Surface& surface, int width, int left, std::uint32_t pointCount,
             PickStore& store);

}  // namespace karvelo
