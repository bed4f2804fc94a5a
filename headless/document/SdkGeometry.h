// The document's records (the SDK's points, matrices, rectangles and path segments) in the geometry core's terms,
// and the measures the suites take of a path's segments.
#pragma once

#include <span>

#include "headless/geometry/Box.h"
#include "headless/geometry/Cubic.h"
#include "headless/geometry/Matrix.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

inline geometry::Point ToPoint(AIRealPoint p) {
    return {p.h, p.v};
}
inline AIRealPoint ToAIPoint(geometry::Point p) {
    return {p.x, p.y};
}
inline geometry::Matrix ToMatrix(const AIRealMatrix& m) {
    return {m.a, m.b, m.c, m.d, m.tx, m.ty};
}
inline AIRealMatrix ToAIMatrix(const geometry::Matrix& m) {
    return {m.a, m.b, m.c, m.d, m.tx, m.ty};
}
// All zero for an empty box: what the application answers for art with no extent.
AIRealRect ToAIRect(const geometry::Box& box);

// Whether every coordinate is a finite number: what callers check before geometry enters the document.
bool IsFinite(AIRealPoint p);
bool IsFinite(const AIRealMatrix& m);

// The segment from one anchor record to the next.
inline geometry::Cubic SegmentCubic(const AIPathSegment& from, const AIPathSegment& to) {
    return {ToPoint(from.p), ToPoint(from.out), ToPoint(to.in), ToPoint(to.p)};
}

// Adds the exact extent of the path's segments, each mapped by m first when given; segment i runs from anchor i to
// anchor i + 1, and a closed path adds the segment from the last anchor back to the first.
void AddPathBounds(geometry::Box& box, std::span<const AIPathSegment> segs, bool closed, const AIRealMatrix* m);

// The area the path encloses as it fills, positive counter-clockwise with y up; an open path is closed by a line.
AIReal SignedArea(std::span<const AIPathSegment> segs, bool closed);

// Winding number of the path around p as it fills, on the exact curves (the Pathfinder's answer, so that a hit
// test and a cut agree on which side of an edge a point lies).
int WindingNumber(std::span<const AIPathSegment> segs, bool closed, AIRealPoint p);

}  // namespace headless
