// A conservative proof that a closed Bezier path does not touch itself, so that its fill is the one region it
// encloses under either fill rule and it can serve as a face boundary without the clipper.
#pragma once

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

// True only when the closed path is proven simple: no two of its pieces come within tolerance of each other except
// neighbours at their common point. False when it is not simple or the proof does not go through (cusps, pieces
// shorter than the tolerance, segments that turn too sharply); zero-length segments are ignored.
bool IsProvablySimple(const BezierPath& path, double tolerance);

}  // namespace pathfinder
