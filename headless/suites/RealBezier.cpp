// Cubic evaluation; arc length by adaptive subdivision with the chord/polygon bound.
#include "headless/suites/RealBezier.h"

#include <algorithm>

#include "headless/document/SdkGeometry.h"
#include "headless/geometry/Tolerance.h"

namespace headless {
namespace {

// Deep enough for any tolerance double precision can honour, shallow enough to bound the work at a cusp.
constexpr int kMaxDepth = geometry::kMaxArcLengthDepth;
constexpr AIReal kRelativeFloor = geometry::kArcLengthRelativeFloor;

geometry::Cubic CubicOf(const AIRealBezier& b) {
    return {ToPoint(b.p0), ToPoint(b.p1), ToPoint(b.p2), ToPoint(b.p3)};
}

AIReal PolygonLength(const geometry::Cubic& c) {
    return geometry::Distance(c.p0, c.p1) + geometry::Distance(c.p1, c.p2) + geometry::Distance(c.p2, c.p3);
}

// The true length lies between chord and polygon, so their mean is within half their gap; each half of a split
// gets half the tolerance, so the pieces' errors add up to at most the whole tolerance.
AIReal PieceLength(const geometry::Cubic& c, AIReal tolerance, int depth) {
    const AIReal chord = geometry::Distance(c.p0, c.p3);
    const AIReal polygon = PolygonLength(c);
    if (polygon - chord <= 2 * tolerance || depth >= kMaxDepth) return (chord + polygon) * 0.5;
    geometry::Cubic left, right;
    c.Split(0.5, left, right);
    return PieceLength(left, tolerance * 0.5, depth + 1) + PieceLength(right, tolerance * 0.5, depth + 1);
}

}  // namespace

AIRealPoint BezierPointAt(const AIRealBezier& b, AIReal t) {
    return ToAIPoint(CubicOf(b).Evaluate(t));
}

AIReal BezierArcLength(const AIRealBezier& bezier, AIReal flatness) {
    const geometry::Cubic c = CubicOf(bezier);
    return PieceLength(c, std::max(flatness, PolygonLength(c) * kRelativeFloor), 0);
}

}  // namespace headless
