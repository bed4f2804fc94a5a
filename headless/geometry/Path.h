// Bezier paths made of anchors, and shapes made of paths, with the measures taken of them: bounds, signed area,
// winding number and the fill test.
#pragma once

#include <cstddef>
#include <vector>

#include "headless/geometry/Box.h"
#include "headless/geometry/Cubic.h"
#include "headless/geometry/Point.h"

namespace geometry {

// The segment from anchor i to anchor i+1 is the cubic p_i, out_i, in_{i+1}, p_{i+1}; handles sitting on their
// anchors make a straight segment.
struct Anchor {
    Point p;
    Point in;
    Point out;

    static Anchor Corner(Point at) { return Anchor{at, at, at}; }
    friend bool operator==(const Anchor&, const Anchor&) = default;
};

// A closed path also has the segment from its last anchor back to its first. Where a path is filled, an open
// one is closed by a straight line from its last anchor to its first, whatever its end handles say.
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

// Number of segments of a path; a closed path counts its closing segment.
std::size_t SegmentCount(const BezierPath& path);
// Segment i of a path; for a closed path the last one runs back to the first anchor.
Cubic SegmentOf(const BezierPath& path, std::size_t i);
Box ControlBounds(const BezierPath& path);
Box ControlBounds(const BezierShape& shape);
// The exact extent of the path's segments (an open path without its closing line).
Box Bounds(const BezierPath& path);

// The straight closing line of a filled open path, as a cubic (a point when the ends meet).
Cubic FillClosing(Point last, Point first);

// Area enclosed by the path as it fills; positive counter-clockwise with y up.
double SignedArea(const BezierPath& path);
// Sum over the paths: the filled area of a face or of faces with holes wound against their outer boundary.
double SignedArea(const BezierShape& shape);

// Winding number of the outlines around q, every path closed as a fill closes it, on the exact curves.
int WindingNumber(const BezierPath& path, Point q);
int WindingNumber(const BezierShape& shape, Point q);
bool InsideByRule(int winding, FillRule rule);
bool IsInsideFill(const BezierShape& shape, Point q);

}  // namespace geometry
