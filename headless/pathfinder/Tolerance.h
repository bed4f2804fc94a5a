// The one place where the Pathfinder's approximation tolerances are set.
#pragma once

namespace pathfinder {

// Largest distance, in points, between a curve and the polyline that stands for it during clipping.
inline constexpr double kFlattenTolerance = 0.001;

// Integer units per point handed to the polygon clipper; one unit is well below the flattening tolerance, and
// +-100,000 pt still fits the clipper's fast 64-bit range.
inline constexpr double kClipperScale = 1.0e4;

struct Tolerances {
    double flatten = kFlattenTolerance;
    double clipperScale = kClipperScale;
};

}  // namespace pathfinder
