// Crop's clipper runs for a top object far larger than the lower one that passes the lower object's window along
// a few of its edges, as a region does for each small shape lying across its outline.
#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// Overlap and top-only trees of the top object (object 0, one closed flat) against the lower one, as the clipper
// gives them for the whole top: the clipper runs on the window's part of the top (the edges that meet the window
// and the window's corners inside the top), and the top's far vertices are put back into the top-only ring in
// place of those corners. False, trees unusable, unless the top is one simple ring with far more vertices than that
// part, the edges that meet the window follow one another, no corner lies on the top's outline, and the part so
// made is simple and fills the lower object's surroundings as the top does.
bool ClipAreasThroughWindow(const std::vector<FlatPath>& flats, ClipperLib::PolyFillType topRule,
                            ClipperLib::PolyFillType underRule, ClipperLib::PolyTree& overlap,
                            ClipperLib::PolyTree& topOnly);

// True when no two edges of the closed polyline meet but neighbours at their shared vertex. False too for
// coordinates beyond where the test is exact.
bool IsSimpleRing(const ClipperLib::Path& ring);

}  // namespace pathfinder
