// Subpaths of cubic segments as the SVG stages read and write them, over the geometry core's points, matrices and
// boxes.
#pragma once

#include <vector>

#include "headless/geometry/Box.h"
#include "headless/geometry/Matrix.h"
#include "headless/geometry/Path.h"
#include "headless/geometry/Point.h"

namespace headless::svg {

using geometry::Box;
using geometry::Matrix;
using geometry::Point;
using geometry::TransformedBox;

// points[0] is the start; every following triple is (control 1, control 2, end) of one cubic segment.
struct Subpath {
    std::vector<Point> points;
    bool closed = false;

    int SegmentCount() const { return points.empty() ? 0 : static_cast<int>(points.size() - 1) / 3; }
};

// The subpath as the core's path of anchors: a closed subpath that ends on its start (the reader snaps an end a
// rounding away onto it) has no closing segment, its two anchors merged into one with the end's incoming handle.
geometry::BezierPath PathOfSubpath(const Subpath& subpath);
// The path's segments as a subpath, a closed path's closing segment written out.
Subpath SubpathOfPath(const geometry::BezierPath& path);

Subpath Transformed(const Subpath& subpath, const Matrix& m);
bool IsFinite(const std::vector<Subpath>& subpaths);
// Exact bounds of the curves (not of their control points) after mapping them by m.
Box CurveBounds(const std::vector<Subpath>& subpaths, const Matrix& m = {});

}  // namespace headless::svg
