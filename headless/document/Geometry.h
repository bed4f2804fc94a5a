// Plane geometry the document needs: matrices, exact Bezier bounds, signed areas and point-in-path tests.
#pragma once

#include <optional>
#include <span>

#include "plugin/sdk/AITypes.h"

namespace headless {

// Whether every coordinate is a finite number: what callers check before geometry enters the document.
bool IsFinite(AIRealPoint p);
bool IsFinite(const AIRealMatrix& m);

AIRealPoint Transform(const AIRealMatrix& m, AIRealPoint p);
// The point at t of the cubic p0, p1, p2, p3.
AIRealPoint CubicAt(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3, AIReal t);
// The matrix that applies `first`, then `second`.
AIRealMatrix Concat(const AIRealMatrix& first, const AIRealMatrix& second);
std::optional<AIRealMatrix> Invert(const AIRealMatrix& m);

// A rectangle that may hold nothing yet; grows to cover what is added.
class BoundsBuilder {
public:
    void Add(AIRealPoint p);
    void Add(const AIRealRect& r);
    // The cubic's exact extent, extremes between the ends included.
    void AddCubic(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3);
    bool Empty() const { return empty_; }
    AIRealRect Rect() const;  // all zero when empty

private:
    bool empty_ = true;
    AIRealRect r_{};
};

// Segments of a path as cubics: segment i runs from anchor i to anchor i + 1, and a closed path adds the
// segment from the last anchor back to the first.
void AddPathBounds(BoundsBuilder& b, std::span<const AIPathSegment> segs, bool closed, const AIRealMatrix* m);

// Positive when the path runs counter-clockwise (y up). An open path is measured as if closed by a line.
AIReal SignedArea(std::span<const AIPathSegment> segs);

// Winding number of the closed outline around p, the curves flattened within `tolerance`.
int WindingNumber(std::span<const AIPathSegment> segs, AIRealPoint p, AIReal tolerance);

}  // namespace headless
