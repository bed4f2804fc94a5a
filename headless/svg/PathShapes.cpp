#include "headless/svg/PathShapes.h"

#include <stdexcept>
#include <vector>

#include "headless/svg/PathData.h"

namespace headless::svg {
namespace {

// Enough places that a printed shape given back to the tools meets itself the same way.
constexpr int kShapeDecimals = 12;

}  // namespace

pathfinder::BezierShape ShapeOfPathData(std::string_view data, pathfinder::FillRule rule) {
    std::vector<Subpath> subpaths;
    if (std::string error = ParsePathData(data, subpaths); !error.empty())
        throw std::runtime_error("path data: " + error);
    pathfinder::BezierShape shape;
    shape.fillRule = rule;
    for (const Subpath& s : subpaths)
        shape.paths.push_back(PathOfSubpath(s));
    return shape;
}

std::string PathDataOfShape(const pathfinder::BezierShape& shape) {
    std::vector<Subpath> subpaths;
    for (const pathfinder::BezierPath& path : shape.paths)
        if (!path.anchors.empty()) subpaths.push_back(SubpathOfPath(path));
    return FormatPathData(subpaths, kShapeDecimals);
}

}  // namespace headless::svg
