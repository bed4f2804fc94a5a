// Exact signed areas of Bezier paths.
#include "headless/pathfinder/Area.h"

namespace pathfinder {

double SignedArea(const Cubic& c) {
    const Point &p0 = c.p0, &p1 = c.p1, &p2 = c.p2, &p3 = c.p3;
    return (p0.x * (6.0 * p1.y + 3.0 * p2.y + p3.y) + 3.0 * (p1.x * (-2.0 * p0.y + p2.y + p3.y)) -
            3.0 * (p2.x * (p0.y + p1.y - 2.0 * p3.y)) - p3.x * (p0.y + 3.0 * p1.y + 6.0 * p2.y)) /
           20.0;
}

double SignedArea(const BezierPath& path) {
    double area = 0.0;
    const std::size_t n = SegmentCount(path);
    for (std::size_t i = 0; i < n; ++i)
        area += SignedArea(SegmentOf(path, i));
    if (!path.closed && path.anchors.size() > 1) {
        const Point a = path.anchors.back().p, b = path.anchors.front().p;
        area += 0.5 * (a.x * b.y - b.x * a.y);
    }
    return area;
}

double SignedArea(const BezierShape& shape) {
    double area = 0.0;
    for (const BezierPath& path : shape.paths)
        area += SignedArea(path);
    return area;
}

}  // namespace pathfinder
