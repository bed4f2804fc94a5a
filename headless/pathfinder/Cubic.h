// Cubic Bezier segments: evaluation, exact splitting, bounds, and access to the segments of a path.
#pragma once

#include <cstddef>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(double s, Point a) {
    return {s * a.x, s * a.y};
}
inline double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
inline Point Lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

struct Box {
    double minX, minY, maxX, maxY;

    bool Intersects(const Box& o, double margin = 0.0) const {
        return minX <= o.maxX + margin && o.minX <= maxX + margin && minY <= o.maxY + margin && o.minY <= maxY + margin;
    }
    // True when the interiors overlap, so boxes that only share an edge or a corner do not count.
    bool OverlapsInterior(const Box& o) const {
        return minX < o.maxX && o.minX < maxX && minY < o.maxY && o.minY < maxY;
    }
    void Include(Point p);
    void Include(const Box& o);
    static Box Empty();
    bool IsEmpty() const { return minX > maxX; }
};

struct Cubic {
    Point p0, p1, p2, p3;

    Point Evaluate(double t) const;
    Point Derivative(double t) const;
    Point SecondDerivative(double t) const;
    // Exact de Casteljau split at t.
    void Split(double t, Cubic& left, Cubic& right) const;
    // The exact piece between t0 and t1; t0 > t1 gives the piece reversed.
    Cubic SubCurve(double t0, double t1) const;
    Cubic Reversed() const { return {p3, p2, p1, p0}; }
    // Handles on their anchors: the segment is a straight line, evaluated as one (linear in t).
    bool IsStraight() const { return p1 == p0 && p2 == p3; }
    Box ControlBounds() const;
};

// Number of segments of a path; a closed path counts its closing segment.
std::size_t SegmentCount(const BezierPath& path);
// Segment i of a path; for a closed path the last one runs back to the first anchor.
Cubic SegmentOf(const BezierPath& path, std::size_t i);
Box ControlBounds(const BezierPath& path);
Box ControlBounds(const BezierShape& shape);

}  // namespace pathfinder
