// Maps the open polylines the clipper returns for clipped outlines back to parameter intervals of their sources.
#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

#include "headless/pathfinder/RingMapper.h"

namespace pathfinder {

struct Interval {
    int flat = -1;
    PathParam from = 0.0;  // from <= to
    PathParam to = 0.0;
};

// One interval per open path of the tree, over the flats of object. The interval is the span the piece covers,
// not the order of its vertices: the clipper sometimes returns the first vertices of an open path swapped.
// False when a piece follows no source outline.
bool CollectIntervals(ClipperLib::PolyTree& tree, RingMapper& mapper, int object, std::vector<Interval>& out);

}  // namespace pathfinder
