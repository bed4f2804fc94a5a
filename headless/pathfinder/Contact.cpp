// Outline contact and point-in-fill tests on the exact curves, by subdivision.
#include "headless/pathfinder/Contact.h"

#include <vector>

namespace pathfinder {
namespace {

constexpr int kMaxDepth = 48;

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

// Calls visit with every segment of shape whose control box comes within tolerance of near; closeAll adds the
// straight line closing each open path.
template <typename Visit>
void ForEachSegmentNear(const BezierShape& shape, const Box& near, double tolerance, bool closeAll, Visit&& visit) {
    for (const BezierPath& path : shape.paths) {
        const std::size_t n = SegmentCount(path);
        for (std::size_t i = 0; i < n; ++i) {
            const Cubic c = SegmentOf(path, i);
            const Box box = c.ControlBounds();
            if (box.Intersects(near, tolerance)) visit(BoxedSegment{c, box});
        }
        if (closeAll && !path.closed && path.anchors.size() > 1) {
            const Point a = path.anchors.back().p, b = path.anchors.front().p;
            const Cubic c{a, a, b, b};
            const Box box = c.ControlBounds();
            if (box.Intersects(near, tolerance)) visit(BoxedSegment{c, box});
        }
    }
}

std::vector<BoxedSegment> SegmentsNear(const BezierShape& shape, const Box& near, double tolerance) {
    std::vector<BoxedSegment> out;
    ForEachSegmentNear(shape, near, tolerance, false, [&](const BoxedSegment& s) { out.push_back(s); });
    return out;
}

// Signed crossings of the ray from q towards +x with the curve; ends count as above q when at or above it.
int Crossings(const Cubic& c, Point q, int depth) {
    const Box b = c.ControlBounds();
    if (b.maxY < q.y || b.minY > q.y || b.maxX < q.x) return 0;
    // A curve that is one point crosses nothing; split further, both halves would still hold q.
    if (b.minX == b.maxX && b.minY == b.maxY) return 0;
    const bool startAbove = c.p0.y > q.y, endAbove = c.p3.y > q.y;
    if (b.minX > q.x || depth >= kMaxDepth) {
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
    return Crossings(left, q, depth + 1) + Crossings(right, q, depth + 1);
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

int WindingNumber(const BezierShape& shape, Point q) {
    int winding = 0;
    constexpr double kInfinity = 1e300;
    const Box ray{q.x, q.y, kInfinity, q.y};
    ForEachSegmentNear(shape, ray, 0.0, true, [&](const BoxedSegment& s) { winding += Crossings(s.curve, q, 0); });
    return winding;
}

bool IsInsideFill(const BezierShape& shape, Point q) {
    const int w = WindingNumber(shape, q);
    return shape.fillRule == FillRule::kEvenOdd ? (w % 2) != 0 : w != 0;
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
