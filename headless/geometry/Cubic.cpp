// Cubic Bezier segment arithmetic.
#include "headless/geometry/Cubic.h"

#include <algorithm>
#include <cmath>

#include "headless/geometry/Tolerance.h"

namespace geometry {

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
    Box box;
    box.Add(p0);
    box.Add(p1);
    box.Add(p2);
    box.Add(p3);
    return box;
}

Box Cubic::Bounds() const {
    Box box;
    box.Add(p0);
    box.Add(p3);
    double params[4];
    int n = TurningParams(p0.x, p1.x, p2.x, p3.x, params);
    n += TurningParams(p0.y, p1.y, p2.y, p3.y, params + n);
    for (int i = 0; i < n; ++i)
        box.Add(Evaluate(params[i]));
    return box;
}

int TurningParams(double a, double b, double c, double d, double out[2]) {
    // Half the derivative's coefficients: qa t^2 + qb t + qc.
    const double qa = d - 3.0 * c + 3.0 * b - a, qb = 2.0 * (c - 2.0 * b + a), qc = b - a;
    const double size = std::max({std::abs(qa), std::abs(qb), std::abs(qc)});
    int n = 0;
    auto add = [&](double t) {
        if (t > 0.0 && t < 1.0) out[n++] = t;
    };
    if (size == 0.0) return 0;
    if (std::abs(qa) <= kNegligibleCoefficient * size) {
        if (qb != 0.0) add(-qc / qb);
        return n;
    }
    const double discriminant = qb * qb - 4.0 * qa * qc;
    if (discriminant < 0.0) return 0;
    // The root that does not cancel first, the other from the product of the roots.
    const double q = -0.5 * (qb + std::copysign(std::sqrt(discriminant), qb));
    add(q / qa);
    if (q != 0.0) add(qc / q);
    return n;
}

double SignedArea(const Cubic& c) {
    const Point &p0 = c.p0, &p1 = c.p1, &p2 = c.p2, &p3 = c.p3;
    return (p0.x * (6.0 * p1.y + 3.0 * p2.y + p3.y) + 3.0 * (p1.x * (-2.0 * p0.y + p2.y + p3.y)) -
            3.0 * (p2.x * (p0.y + p1.y - 2.0 * p3.y)) - p3.x * (p0.y + 3.0 * p1.y + 6.0 * p2.y)) /
           20.0;
}

std::size_t FlatteningSteps(const Cubic& c, double tolerance) {
    if (c.IsStraight()) return 1;
    // Squared lengths and one root rather than hypot, which costs more than the rest of this; where squaring
    // overflows, n is infinite and the cap applies.
    const Point a = c.p0 - 2.0 * c.p1 + c.p2, b = c.p1 - 2.0 * c.p2 + c.p3;
    const double m = std::sqrt(std::max(Dot(a, a), Dot(b, b)));
    // Uniform steps of 1/n leave an error of at most 6m / (8 n^2).
    const double n = std::ceil(std::sqrt(0.75 * m / tolerance));
    if (!(n >= 1.0)) return 1;
    if (!(n < static_cast<double>(kMaxFlatteningSteps))) return kMaxFlatteningSteps;
    return static_cast<std::size_t>(n);
}

double DistanceTo(const Cubic& c, Point q, double tolerance) {
    const std::size_t steps = FlatteningSteps(c, tolerance);
    double best = Distance(q, c.p0);
    Point from = c.p0;
    for (std::size_t i = 1; i <= steps; ++i) {
        const Point to = i == steps ? c.p3 : c.Evaluate(static_cast<double>(i) / static_cast<double>(steps));
        best = std::min(best, DistanceToSegment(q, from, to));
        from = to;
    }
    return best;
}

namespace {

int CrossingsFrom(const Cubic& c, Point q, int depth) {
    const Box b = c.ControlBounds();
    if (b.maxY < q.y || b.minY > q.y || b.maxX < q.x) return 0;
    // A curve that is one point crosses nothing; split further, both halves would still hold q.
    if (b.minX == b.maxX && b.minY == b.maxY) return 0;
    const bool startAbove = c.p0.y > q.y, endAbove = c.p3.y > q.y;
    if (b.minX > q.x || depth >= kMaxSubdivisionDepth) {
        if (startAbove == endAbove) return 0;
        if (b.minX <= q.x) {
            // Deep enough to treat as its chord: find where the chord meets the ray's line.
            const double t = (q.y - c.p0.y) / (c.p3.y - c.p0.y);
            if (c.p0.x + t * (c.p3.x - c.p0.x) <= q.x) return 0;
        }
        return endAbove ? 1 : -1;
    }
    Cubic left, right;
    c.Split(0.5, left, right);
    return CrossingsFrom(left, q, depth + 1) + CrossingsFrom(right, q, depth + 1);
}

}  // namespace

int RayCrossings(const Cubic& c, Point q) {
    return CrossingsFrom(c, q, 0);
}

}  // namespace geometry
