// Input and output model of the Pathfinder geometry: Bezier paths made of anchors, and shapes made of paths.
#pragma once

#include <vector>

namespace pathfinder {

struct Point {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

// The segment from anchor i to anchor i+1 is the cubic p_i, out_i, in_{i+1}, p_{i+1}; handles sitting on their
// anchors make a straight segment.
struct Anchor {
    Point p;
    Point in;
    Point out;

    static Anchor Corner(Point at) { return Anchor{at, at, at}; }
    friend bool operator==(const Anchor&, const Anchor&) = default;
};

// A closed path also has the segment from its last anchor back to its first.
struct BezierPath {
    std::vector<Anchor> anchors;
    bool closed = false;
};

enum class FillRule { kNonZero, kEvenOdd };

// One object's geometry: a single path or a compound path, filled by its rule.
struct BezierShape {
    std::vector<BezierPath> paths;
    FillRule fillRule = FillRule::kNonZero;
};

}  // namespace pathfinder
