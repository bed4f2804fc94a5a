// Crop's clipper runs for a top object far larger than the lower one that passes the lower object's window along
// one straight edge, as a region does for each small shape lying across its outline.
#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// Overlap and top-only trees of the top object (object 0, one closed flat) against the lower one, as the clipper
// gives them for the whole top: the clipper runs on the window's part of the top (the edge and the window's corners
// on the inner side of it), and the top's far vertices are put back into the top-only ring in place of those
// corners. False, trees unusable, unless the top is one simple ring with more vertices than that part and exactly
// one edge meets the window, no corner of which lies on the edge's line.
bool ClipAreasAcrossOneEdge(const std::vector<FlatPath>& flats, ClipperLib::PolyFillType topRule,
                            ClipperLib::PolyFillType underRule, ClipperLib::PolyTree& overlap,
                            ClipperLib::PolyTree& topOnly);

// True when no two edges of the closed polyline meet but neighbours at their shared vertex. False too for
// coordinates beyond where the test is exact.
bool IsSimpleRing(const ClipperLib::Path& ring);

}  // namespace pathfinder
