// Assembles a Bezier path from consecutive cubic pieces.
#pragma once

#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

// Joins the pieces end to start (each piece's start is taken as the previous end). A closed result folds the last
// end point into the first anchor.
BezierPath BuildPath(const std::vector<Cubic>& pieces, bool closed);

// Segments as a list of cubics, in path order.
std::vector<Cubic> SegmentsOf(const BezierPath& path);

}  // namespace pathfinder
