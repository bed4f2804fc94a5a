// The tolerances one Pathfinder operation runs with; their values live with the host's other tolerances.
#pragma once

#include "headless/geometry/Tolerance.h"

namespace pathfinder {

using geometry::kClipperScale;
using geometry::kFlattenTolerance;

struct Tolerances {
    double flatten = kFlattenTolerance;
    double clipperScale = kClipperScale;
};

}  // namespace pathfinder
