// Cubic evaluation; arc length by adaptive subdivision with the chord/polygon bound.
#include "headless/suites/RealBezier.h"

#include <algorithm>
#include <cmath>

#include "headless/document/Geometry.h"

namespace headless {
namespace {

// Deep enough for any tolerance double precision can honour, shallow enough to bound the work at a cusp.
constexpr int kMaxDepth = 20;
// Relative to the curve's size, below which the lengths are rounding noise.
constexpr AIReal kRelativeFloor = 1e-12;

AIReal Distance(AIRealPoint a, AIRealPoint b) {
    return std::hypot(b.h - a.h, b.v - a.v);
}

AIRealPoint Mid(AIRealPoint a, AIRealPoint b) {
    return {(a.h + b.h) * 0.5, (a.v + b.v) * 0.5};
}

AIReal PolygonLength(const AIRealBezier& b) {
    return Distance(b.p0, b.p1) + Distance(b.p1, b.p2) + Distance(b.p2, b.p3);
}

// The true length lies between chord and polygon, so their mean is within half their gap; each half of a split
// gets half the tolerance, so the pieces' errors add up to at most the whole tolerance.
AIReal PieceLength(const AIRealBezier& b, AIReal tolerance, int depth) {
    const AIReal chord = Distance(b.p0, b.p3);
    const AIReal polygon = PolygonLength(b);
    if (polygon - chord <= 2 * tolerance || depth >= kMaxDepth) return (chord + polygon) * 0.5;
    const AIRealPoint a = Mid(b.p0, b.p1), m = Mid(b.p1, b.p2), c = Mid(b.p2, b.p3);
    const AIRealPoint d = Mid(a, m), e = Mid(m, c), split = Mid(d, e);
    return PieceLength({b.p0, a, d, split}, tolerance * 0.5, depth + 1) +
           PieceLength({split, e, c, b.p3}, tolerance * 0.5, depth + 1);
}

}  // namespace

AIRealPoint BezierPointAt(const AIRealBezier& b, AIReal t) {
    return CubicAt(b.p0, b.p1, b.p2, b.p3, t);
}

AIReal BezierArcLength(const AIRealBezier& bezier, AIReal flatness) {
    return PieceLength(bezier, std::max(flatness, PolygonLength(bezier) * kRelativeFloor), 0);
}

}  // namespace headless
