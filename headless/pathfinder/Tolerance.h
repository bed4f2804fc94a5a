// The tolerances one Pathfinder operation runs with; their values live with the host's other tolerances.
#pragma once

#include "headless/geometry/Tolerance.h"

namespace pathfinder {

using geometry::kClipperScale;
using geometry::kFlattenTolerance;

struct Tolerances {
    double flatten = kFlattenTolerance;
    double clipperScale = kClipperScale;

    // How far from where the polylines meet a crossing of the exact curves is accepted: several flattening
    // tolerances, and the clipper's rounding of the vertex.
    double CrossingReach() const { return 10.0 * flatten + 4.0 / clipperScale; }
};

}  // namespace pathfinder
