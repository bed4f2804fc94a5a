// Places a crossing of two outlines on the exact curves, starting from the clipper's rounded vertex.
#pragma once

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// Moves u to the nearest point of the path to target, searching near the starting u.
PathParam ClosestParam(const BezierPath& path, PathParam u, Point target);

// Solves path a at ua == path b at ub by Newton steps from the given parameters, accepting the answer only if it
// lies within reach of near (a few tolerances); where the curves run tangent or together it falls back to the
// closest points to near. Returns the common point; onBoth, when given, tells whether it lies on both curves.
Point RefineCrossing(const BezierPath& a, PathParam& ua, const BezierPath& b, PathParam& ub, Point near, double reach,
                     bool* onBoth = nullptr);

}  // namespace pathfinder
