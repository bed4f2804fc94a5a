// Measures of Bezier paths and shapes, segment by segment.
#include "headless/geometry/Path.h"

namespace geometry {

std::size_t SegmentCount(const BezierPath& path) {
    const std::size_t n = path.anchors.size();
    if (n == 0) return 0;
    return path.closed ? n : n - 1;
}

Cubic SegmentOf(const BezierPath& path, std::size_t i) {
    const Anchor& a = path.anchors[i];
    const Anchor& b = path.anchors[(i + 1) % path.anchors.size()];
    return {a.p, a.out, b.in, b.p};
}

Box ControlBounds(const BezierPath& path) {
    Box box;
    for (const Anchor& a : path.anchors) {
        box.Add(a.p);
        box.Add(a.in);
        box.Add(a.out);
    }
    return box;
}

Box ControlBounds(const BezierShape& shape) {
    Box box;
    for (const BezierPath& path : shape.paths)
        box.Add(ControlBounds(path));
    return box;
}

Box Bounds(const BezierPath& path) {
    Box box;
    if (path.anchors.size() == 1) box.Add(path.anchors[0].p);
    const std::size_t n = SegmentCount(path);
    for (std::size_t i = 0; i < n; ++i)
        box.Add(SegmentOf(path, i).Bounds());
    return box;
}

Cubic FillClosing(Point last, Point first) {
    return {last, last, first, first};
}

double SignedArea(const BezierPath& path) {
    double area = 0.0;
    const std::size_t n = SegmentCount(path);
    for (std::size_t i = 0; i < n; ++i)
        area += SignedArea(SegmentOf(path, i));
    if (!path.closed && path.anchors.size() > 1)
        area += SignedArea(FillClosing(path.anchors.back().p, path.anchors.front().p));
    return area;
}

double SignedArea(const BezierShape& shape) {
    double area = 0.0;
    for (const BezierPath& path : shape.paths)
        area += SignedArea(path);
    return area;
}

int WindingNumber(const BezierPath& path, Point q) {
    int winding = 0;
    const std::size_t n = SegmentCount(path);
    for (std::size_t i = 0; i < n; ++i)
        winding += RayCrossings(SegmentOf(path, i), q);
    if (!path.closed && path.anchors.size() > 1)
        winding += RayCrossings(FillClosing(path.anchors.back().p, path.anchors.front().p), q);
    return winding;
}

int WindingNumber(const BezierShape& shape, Point q) {
    int winding = 0;
    for (const BezierPath& path : shape.paths)
        winding += WindingNumber(path, q);
    return winding;
}

bool InsideByRule(int winding, FillRule rule) {
    return rule == FillRule::kEvenOdd ? (winding % 2) != 0 : winding != 0;
}

bool IsInsideFill(const BezierShape& shape, Point q) {
    return InsideByRule(WindingNumber(shape, q), shape.fillRule);
}

}  // namespace geometry
