// SVG path data for the Pathfinder tools: read with the host's SVG path reader, printed with full precision.
#pragma once

#include <string>
#include <string_view>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder::bench {

// Throws std::runtime_error saying what is wrong and where when the data cannot be read.
BezierShape ParsePathData(std::string_view data, FillRule rule);

// Path data for the paths, straight segments as L and curves as C.
std::string ToPathData(const BezierShape& shape);

}  // namespace pathfinder::bench
