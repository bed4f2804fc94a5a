// The basic shapes (rect, circle, ellipse, line, polyline, polygon) and path as cubic subpaths in user space.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "headless/svg/Length.h"
#include "headless/svg/Subpath.h"

namespace headless::svg {

bool IsShapeElement(std::string_view name);

// Appends the outline of `element` to `out`. Returns an empty string on success, else what is wrong (a negative
// size, broken path data). A shape with a zero size draws nothing and gives no subpath.
std::string ShapeSubpaths(pugi::xml_node element, const LengthContext& context, std::vector<Subpath>& out);

}  // namespace headless::svg
