// Outline contact tests on the exact curves, by subdivision.
#include "headless/pathfinder/Contact.h"

#include <vector>

#include "headless/geometry/Tolerance.h"

namespace pathfinder {
namespace {

constexpr int kMaxDepth = geometry::kMaxSubdivisionDepth;

double Extent(const Box& b) {
    return (b.maxX - b.minX) + (b.maxY - b.minY);
}

bool CurvesMayTouchFrom(const Cubic& a, const Cubic& b, double tolerance, int depth) {
    const Box ba = a.ControlBounds(), bb = b.ControlBounds();
    if (!ba.Intersects(bb, tolerance)) return false;
    const double ea = Extent(ba), eb = Extent(bb);
    if (depth >= kMaxDepth || (ea <= tolerance && eb <= tolerance)) return true;
    Cubic left, right;
    if (ea >= eb) {
        a.Split(0.5, left, right);
        return CurvesMayTouchFrom(left, b, tolerance, depth + 1) || CurvesMayTouchFrom(right, b, tolerance, depth + 1);
    }
    b.Split(0.5, left, right);
    return CurvesMayTouchFrom(a, left, tolerance, depth + 1) || CurvesMayTouchFrom(a, right, tolerance, depth + 1);
}

struct BoxedSegment {
    Cubic curve;
    Box box;
};

// Every segment of shape whose control box comes within tolerance of near.
std::vector<BoxedSegment> SegmentsNear(const BezierShape& shape, const Box& near, double tolerance) {
    std::vector<BoxedSegment> out;
    for (const BezierPath& path : shape.paths) {
        const std::size_t n = SegmentCount(path);
        for (std::size_t i = 0; i < n; ++i) {
            const Cubic c = SegmentOf(path, i);
            const Box box = c.ControlBounds();
            if (box.Intersects(near, tolerance)) out.push_back({c, box});
        }
    }
    return out;
}

}  // namespace

bool CurvesMayTouch(const Cubic& a, const Cubic& b, double tolerance) {
    return CurvesMayTouchFrom(a, b, tolerance, 0);
}

bool OutlinesMayTouch(const BezierShape& a, const BezierShape& b, double tolerance) {
    const Box boxA = ControlBounds(a), boxB = ControlBounds(b);
    if (boxA.IsEmpty() || boxB.IsEmpty() || !boxA.Intersects(boxB, tolerance)) return false;
    const std::vector<BoxedSegment> sa = SegmentsNear(a, boxB, tolerance);
    const std::vector<BoxedSegment> sb = SegmentsNear(b, boxA, tolerance);
    for (const BoxedSegment& x : sa)
        for (const BoxedSegment& y : sb)
            if (x.box.Intersects(y.box, tolerance) && CurvesMayTouch(x.curve, y.curve, tolerance)) return true;
    return false;
}

bool AnchorsOnBothSides(const BezierShape& paths, const BezierShape& other, const Box& otherBox) {
    for (const BezierPath& path : paths.paths) {
        bool seenInside = false, seenOutside = false;
        for (const Anchor& a : path.anchors) {
            const bool inBox =
                a.p.x >= otherBox.minX && a.p.x <= otherBox.maxX && a.p.y >= otherBox.minY && a.p.y <= otherBox.maxY;
            (inBox && IsInsideFill(other, a.p) ? seenInside : seenOutside) = true;
            if (seenInside && seenOutside) return true;
        }
    }
    return false;
}

}  // namespace pathfinder
