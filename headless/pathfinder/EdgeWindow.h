// Crop's clipper runs for a top object far larger than the lower one that passes the lower object's window along
// a few of its edges, as a region does for each small shape lying across its outline.
#pragma once

#include <polyclipping/clipper.hpp>

#include <optional>
#include <vector>

#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// The window's part of the top object (object 0, one closed flat): the edges that meet the window around the lower
// object, closed round the window's corners inside the top. The clipper run on it in place of the top gives the
// whole top's overlap, and its top-only faces but for the one that runs along the corners.
struct TopWindowPart {
    ClipperLib::Path ring;
    ClipperLib::Path corners;            // as the ring holds them
    ClipperLib::IntPoint before, after;  // the ring's vertices either side of the corners
    ClipperLib::Path far;                // the top's vertices the corners stand for, in the top's order
};

// None unless the top is one simple ring with far more vertices than the part, the edges that meet the window
// follow one another, no corner lies on the top's outline, and the part so made is simple and fills the lower
// object's surroundings as the top does.
std::optional<TopWindowPart> WindowPartOfTop(const std::vector<FlatPath>& flats);

// Puts the far vertices back into the top-only contour in place of the part's corners, turning the part's faces
// into the whole top's. False, tree unusable, unless exactly one contour runs along the corners.
bool PutFarVerticesBack(const TopWindowPart& part, ClipperLib::PolyTree& topOnly);

// True when no two edges of the closed polyline meet but neighbours at their shared vertex. False too for
// coordinates beyond where the test is exact.
bool IsSimpleRing(const ClipperLib::Path& ring);

}  // namespace pathfinder
