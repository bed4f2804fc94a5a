// Shapes the Pathfinder tests are built from: polygons, rectangles, circles and figure eights as Bezier paths.
#pragma once

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder::testing {

inline BezierPath Polygon(std::initializer_list<Point> points, bool closed = true) {
    BezierPath path;
    path.closed = closed;
    for (const Point& p : points)
        path.anchors.push_back(Anchor::Corner(p));
    return path;
}

// Counter-clockwise with y up, starting at the lower left corner.
inline BezierPath Rect(double x0, double y0, double x1, double y1) {
    return Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// Four cubics, counter-clockwise, starting at the rightmost point. The area of this Bezier circle is
// pi r^2 (1 + 0.000...); tests use ExactArea rather than pi r^2.
inline BezierPath Circle(double cx, double cy, double r) {
    constexpr double k = 0.5522847498307936;
    BezierPath path;
    path.closed = true;
    const Point c{cx, cy};
    for (int i = 0; i < 4; ++i) {
        const double a = i * std::numbers::pi / 2;
        const Point dir{std::cos(a), std::sin(a)}, tangent{-std::sin(a), std::cos(a)};
        const Point p{c.x + r * dir.x, c.y + r * dir.y};
        path.anchors.push_back(Anchor{
            p, {p.x - k * r * tangent.x, p.y - k * r * tangent.y}, {p.x + k * r * tangent.x, p.y + k * r * tangent.y}});
    }
    return path;
}

inline BezierPath Reversed(BezierPath path) {
    std::vector<Anchor> reversed(path.anchors.rbegin(), path.anchors.rend());
    for (Anchor& a : reversed)
        std::swap(a.in, a.out);
    path.anchors = std::move(reversed);
    return path;
}

inline BezierShape Shape(std::initializer_list<BezierPath> paths, FillRule rule = FillRule::kNonZero) {
    return BezierShape{std::vector<BezierPath>(paths), rule};
}

}  // namespace pathfinder::testing
