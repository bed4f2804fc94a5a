// Quick tests that settle most operations without the clipper: whether two outlines can meet. (Whether a point lies
// in a shape's fill is the geometry core's WindingNumber and IsInsideFill.)
#pragma once

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

// False only when no point of a's outlines comes within tolerance of b's (closed paths counted with their closing
// segment, open ones as drawn). True when they may meet.
bool OutlinesMayTouch(const BezierShape& a, const BezierShape& b, double tolerance);
// The same for two curves: false only when no point of a comes within tolerance of b.
bool CurvesMayTouch(const Cubic& a, const Cubic& b, double tolerance);

// True when some path of paths has anchors on both sides of other's fill, so that it crosses other's outline: a
// cheaper proof of a meeting than OutlinesMayTouch. otherBox is other's control box.
bool AnchorsOnBothSides(const BezierShape& paths, const BezierShape& other, const Box& otherBox);

}  // namespace pathfinder
