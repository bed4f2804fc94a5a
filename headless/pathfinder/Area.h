// Exact signed areas of Bezier paths (Green's theorem on each cubic); positive is counter-clockwise with y up.
#pragma once

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Cubic.h"

namespace pathfinder {

// Contribution of one cubic to the area enclosed by the loop it belongs to.
double SignedArea(const Cubic& c);
// Area enclosed by the path; an open path is closed with a straight line for this purpose.
double SignedArea(const BezierPath& path);
// Sum over the paths: the filled area of a face or of faces with holes wound against their outer boundary.
double SignedArea(const BezierShape& shape);

}  // namespace pathfinder
