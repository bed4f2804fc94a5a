// Crossing refinement on the exact curves.
#include "headless/pathfinder/Refine.h"

#include <algorithm>
#include <cmath>

#include "headless/geometry/Tolerance.h"
#include "headless/pathfinder/PathParams.h"

namespace pathfinder {
namespace {

constexpr int kNewtonSteps = geometry::kMaxNewtonSteps;
constexpr double kResidual = geometry::kSamePointResidual;
constexpr double kShallowestSine = geometry::kShallowestCrossingSine;

Point Midpoint(Point a, Point b) {
    return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5};
}

}  // namespace

PathParam ClosestParam(const BezierPath& path, PathParam u, Point target) {
    const PathParam start = u;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const Point d = PointAt(path, u) - target;
        const Point t = TangentAt(path, u);
        const double tt = Dot(t, t);
        if (tt <= 0.0) break;
        const double step = Dot(d, t) / tt;  // Gauss-Newton on the squared distance
        u -= step;
        if (std::abs(step) < geometry::kNegligibleNewtonStep) break;
    }
    // A step that wandered off to another stretch of the path is no better than where it started.
    if (Distance(PointAt(path, u), target) > Distance(PointAt(path, start), target)) return start;
    return u;
}

Point RefineCrossing(const BezierPath& a, PathParam& ua, const BezierPath& b, PathParam& ub, Point near, double reach) {
    PathParam sa = ua, sb = ub;
    bool converged = false;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const Point pa = PointAt(a, sa), f = pa - PointAt(b, sb);
        // Rounding keeps the gap a few units in the last place of the coordinates, however many steps are taken.
        if (std::abs(f.x) + std::abs(f.y) <= kResidual * (1.0 + std::abs(pa.x) + std::abs(pa.y))) {
            converged = true;
            break;
        }
        const Point da = TangentAt(a, sa), db = TangentAt(b, sb);
        // Solve da * dsa - db * dsb = -f.
        const double det = -Cross(da, db);
        const double scale = std::sqrt(Dot(da, da) * Dot(db, db));
        if (std::abs(det) <= geometry::kParallelSine * scale || scale == 0.0)
            break;  // tangent or parallel: no single crossing
        const double dsa = (-f.x * -db.y - -db.x * -f.y) / det;
        const double dsb = (da.x * -f.y - -f.x * da.y) / det;
        sa += dsa;
        sb += dsb;
    }
    if (converged) {
        const Point p = PointAt(a, sa);
        // Polylines within the flattening tolerance of curves that cross at a shallow angle meet up to that
        // tolerance over the angle's sine away from where the curves cross.
        const Point da = TangentAt(a, sa), db = TangentAt(b, sb);
        const double lengths = std::sqrt(Dot(da, da) * Dot(db, db));
        const double sine = lengths > 0.0 ? std::abs(Cross(da, db)) / lengths : 1.0;
        if (Distance(p, near) <= reach / std::max(sine, kShallowestSine)) {
            ua = sa;
            ub = sb;
            return p;
        }
    }
    ua = ClosestParam(a, ua, near);
    ub = ClosestParam(b, ub, near);
    return Midpoint(PointAt(a, ua), PointAt(b, ub));
}

}  // namespace pathfinder
