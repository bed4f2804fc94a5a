// Test checks on results: areas of pieces, and whether each output curve is an exact piece of a source segment.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/PathBuilder.h"

namespace pathfinder::testing {

inline double PieceArea(const CropPiece& piece) {
    return std::abs(SignedArea(piece.shape));
}

inline double RoleArea(const CropResult& result, CropRole role) {
    double area = 0.0;
    for (const CropPiece& p : result.pieces)
        if (p.role == role) area += PieceArea(p);
    return area;
}

inline int RoleCount(const CropResult& result, CropRole role) {
    int count = 0;
    for (const CropPiece& p : result.pieces)
        count += p.role == role ? 1 : 0;
    return count;
}

// Parameter of the point of c nearest to q: a coarse scan, then Newton steps.
inline double NearestParam(const Cubic& c, Point q) {
    double best = 0.0, bestDistance = 1e300;
    for (int i = 0; i <= 64; ++i) {
        const double t = i / 64.0;
        const Point d = c.Evaluate(t) - q;
        if (Dot(d, d) < bestDistance) bestDistance = Dot(d, d), best = t;
    }
    for (int i = 0; i < 30; ++i) {
        const Point d = c.Evaluate(best) - q, d1 = c.Derivative(best), d2 = c.SecondDerivative(best);
        const double denominator = Dot(d1, d1) + Dot(d, d2);
        if (denominator <= 0.0) break;
        best = std::clamp(best - Dot(d, d1) / denominator, 0.0, 1.0);
    }
    return best;
}

// True when piece is the exact sub-curve of one of the sources' segments between the parameters its ends fall
// on (the ends themselves may be refined crossings, so they are matched to within endTolerance).
inline bool IsExactSubCurve(const Cubic& piece, const std::vector<const BezierShape*>& sources,
                            double endTolerance = 1e-6, double handleTolerance = 1e-6) {
    for (const BezierShape* shape : sources) {
        for (const BezierPath& path : shape->paths) {
            for (const Cubic& segment : SegmentsOf(path)) {
                const double t0 = NearestParam(segment, piece.p0), t1 = NearestParam(segment, piece.p3);
                if (Distance(segment.Evaluate(t0), piece.p0) > endTolerance ||
                    Distance(segment.Evaluate(t1), piece.p3) > endTolerance || t0 == t1)
                    continue;
                const Cubic exact = segment.SubCurve(t0, t1);
                if (Distance(exact.p1, piece.p1) <= handleTolerance && Distance(exact.p2, piece.p2) <= handleTolerance)
                    return true;
            }
        }
    }
    return false;
}

inline int SegmentTotal(const BezierShape& shape) {
    int n = 0;
    for (const BezierPath& p : shape.paths)
        n += static_cast<int>(SegmentCount(p));
    return n;
}

}  // namespace pathfinder::testing
