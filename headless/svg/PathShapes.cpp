#include "headless/svg/PathShapes.h"

#include <stdexcept>
#include <vector>

#include "headless/svg/PathData.h"

namespace headless::svg {
namespace {

// Enough places that a printed shape given back to the tools meets itself the same way.
constexpr int kShapeDecimals = 12;

pathfinder::BezierPath PathOf(const Subpath& s) {
    pathfinder::BezierPath path;
    path.closed = s.closed;
    path.anchors.push_back(pathfinder::Anchor::Corner(s.points[0]));
    for (std::size_t i = 1; i + 2 < s.points.size(); i += 3) {
        path.anchors.back().out = s.points[i];
        const Point to = s.points[i + 2];
        path.anchors.push_back({to, s.points[i + 1], to});
    }
    if (s.closed && path.anchors.size() > 1 && s.points.back() == s.points.front()) {
        path.anchors.front().in = path.anchors.back().in;
        path.anchors.pop_back();
    }
    return path;
}

Subpath SubpathOf(const pathfinder::BezierPath& path) {
    Subpath s;
    s.closed = path.closed;
    const std::size_t n = path.anchors.size();
    s.points.push_back(path.anchors[0].p);
    const std::size_t segments = path.closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const pathfinder::Anchor& from = path.anchors[i];
        const pathfinder::Anchor& to = path.anchors[(i + 1) % n];
        s.points.insert(s.points.end(), {from.out, to.in, to.p});
    }
    return s;
}

}  // namespace

pathfinder::BezierShape ShapeOfPathData(std::string_view data, pathfinder::FillRule rule) {
    std::vector<Subpath> subpaths;
    if (std::string error = ParsePathData(data, subpaths); !error.empty())
        throw std::runtime_error("path data: " + error);
    pathfinder::BezierShape shape;
    shape.fillRule = rule;
    for (const Subpath& s : subpaths)
        shape.paths.push_back(PathOf(s));
    return shape;
}

std::string PathDataOfShape(const pathfinder::BezierShape& shape) {
    std::vector<Subpath> subpaths;
    for (const pathfinder::BezierPath& path : shape.paths)
        if (!path.anchors.empty()) subpaths.push_back(SubpathOf(path));
    return FormatPathData(subpaths, kShapeDecimals);
}

}  // namespace headless::svg
