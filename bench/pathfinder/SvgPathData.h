// A minimal reader of SVG path data (M L H V C S Q Z, absolute and relative) for the Pathfinder tools.
#pragma once

#include <string>
#include <string_view>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder::bench {

// Throws std::runtime_error naming the offending position when the data cannot be read.
BezierShape ParsePathData(std::string_view data, FillRule rule);

// Path data for the paths, straight segments as L and curves as C.
std::string ToPathData(const BezierShape& shape);

}  // namespace pathfinder::bench
