// SVG path data as the Pathfinder's shapes and back, in the data's own coordinates, for the tools and tests that
// hand shapes to the Pathfinder without a document.
#pragma once

#include <string>
#include <string_view>

#include "headless/pathfinder/BezierShape.h"

namespace headless::svg {

// Every subpath becomes a path; a closed subpath that ends on its start merges the two anchors. Throws
// std::runtime_error saying what is wrong and where when the data cannot be read.
pathfinder::BezierShape ShapeOfPathData(std::string_view data, pathfinder::FillRule rule);

// Path data for the shape's paths, straight segments as L and curves as C, to twelve decimal places.
std::string PathDataOfShape(const pathfinder::BezierShape& shape);

}  // namespace headless::svg
