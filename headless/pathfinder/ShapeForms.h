// Checks and normalised forms of input shapes.
#pragma once

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

bool HasFiniteCoordinates(const BezierShape& shape);

// The shape as a fill sees it: every open path closed by a straight segment from its last anchor to its first.
BezierShape FilledForm(const BezierShape& shape);
// The filled form without a copy where it is the shape itself (every path closed); otherwise made in storage.
const BezierShape& FilledForm(const BezierShape& shape, BezierShape& storage);

// True when the shape's outlines span some area at all (its control points are not all on one line).
bool HasExtent(const BezierShape& shape);

}  // namespace pathfinder
