// Cubic Bezier segment arithmetic.
#include "headless/pathfinder/Cubic.h"

#include <algorithm>
#include <limits>

namespace pathfinder {

void Box::Include(Point p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
}

void Box::Include(const Box& o) {
    minX = std::min(minX, o.minX);
    minY = std::min(minY, o.minY);
    maxX = std::max(maxX, o.maxX);
    maxY = std::max(maxY, o.maxY);
}

Box Box::Empty() {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    return {kInf, kInf, -kInf, -kInf};
}

// A straight segment is parametrised by length, so that its pieces stay straight and its parameters match the
// polyline's.
Point Cubic::Evaluate(double t) const {
    if (IsStraight()) return Lerp(p0, p3, t);
    const double s = 1.0 - t;
    const double a = s * s * s, b = 3.0 * s * s * t, c = 3.0 * s * t * t, d = t * t * t;
    return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

Point Cubic::Derivative(double t) const {
    if (IsStraight()) return p3 - p0;
    const double s = 1.0 - t;
    const Point d0 = p1 - p0, d1 = p2 - p1, d2 = p3 - p2;
    return 3.0 * ((s * s) * d0 + (2.0 * s * t) * d1 + (t * t) * d2);
}

Point Cubic::SecondDerivative(double t) const {
    if (IsStraight()) return {0.0, 0.0};
    const Point a = p2 - 2.0 * p1 + p0, b = p3 - 2.0 * p2 + p1;
    return 6.0 * ((1.0 - t) * a + t * b);
}

void Cubic::Split(double t, Cubic& left, Cubic& right) const {
    if (IsStraight()) {
        const Point mid = Lerp(p0, p3, t);
        left = {p0, p0, mid, mid};
        right = {mid, mid, p3, p3};
        return;
    }
    const Point a = Lerp(p0, p1, t), b = Lerp(p1, p2, t), c = Lerp(p2, p3, t);
    const Point ab = Lerp(a, b, t), bc = Lerp(b, c, t);
    const Point mid = Lerp(ab, bc, t);
    left = {p0, a, ab, mid};
    right = {mid, bc, c, p3};
}

Cubic Cubic::SubCurve(double t0, double t1) const {
    if (t0 > t1) return SubCurve(t1, t0).Reversed();
    if (IsStraight()) {
        const Point a = t0 <= 0.0 ? p0 : Lerp(p0, p3, t0), b = t1 >= 1.0 ? p3 : Lerp(p0, p3, t1);
        return {a, a, b, b};
    }
    Cubic left, right, piece = *this;
    if (t0 > 0.0) {
        piece.Split(t0, left, right);
        piece = right;
    }
    if (t1 < 1.0) {
        // Split the remainder at the parameter t1 maps to inside it.
        const double local = t0 >= 1.0 ? 0.0 : (t1 - t0) / (1.0 - std::max(t0, 0.0));
        piece.Split(local, left, right);
        piece = left;
    }
    return piece;
}

Box Cubic::ControlBounds() const {
    Box box = Box::Empty();
    box.Include(p0);
    box.Include(p1);
    box.Include(p2);
    box.Include(p3);
    return box;
}

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
    Box box = Box::Empty();
    for (const Anchor& a : path.anchors) {
        box.Include(a.p);
        box.Include(a.in);
        box.Include(a.out);
    }
    return box;
}

Box ControlBounds(const BezierShape& shape) {
    Box box = Box::Empty();
    for (const BezierPath& path : shape.paths)
        box.Include(ControlBounds(path));
    return box;
}

}  // namespace pathfinder
