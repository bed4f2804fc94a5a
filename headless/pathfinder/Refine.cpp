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

// One path's half of the solve. It stays on its segment while steps go no more than a hair past the segment's
// ends, following the segment's own polynomial there: at a corner lying on the other outline the crossing is the
// corner itself, and the next segment, which may run along the other outline, must not take over its tangent.
class Track {
public:
    Track(const BezierPath& path, PathParam u) : path_(&path) { Move(u); }

    Point At() const { return curve_.Evaluate(t_); }
    Point Tangent() const {
        const Point d = curve_.Derivative(t_);
        if (d.x != 0.0 || d.y != 0.0) return d;
        return curve_.p3 - curve_.p0;  // a handle on its anchor leaves the end derivative zero
    }
    PathParam Param() const { return static_cast<double>(segment_) + t_; }

    void Step(double dt) {
        t_ += dt;
        if (t_ < -kParamSnap || t_ > 1.0 + kParamSnap) Move(Param());
    }

    // Moves from the start of a segment to the end of the one before it. False where there is none.
    bool BackUp() {
        const std::size_t n = SegmentCount(*path_);
        if (t_ != 0.0 || (segment_ == 0 && !path_->closed)) return false;
        segment_ = (segment_ + n - 1) % n;
        t_ = 1.0;
        curve_ = SegmentOf(*path_, segment_);
        return true;
    }

private:
    void Move(PathParam u) {
        Locate(*path_, u, segment_, t_);
        curve_ = SegmentOf(*path_, segment_);
    }

    const BezierPath* path_;
    std::size_t segment_ = 0;
    double t_ = 0.0;
    Cubic curve_;
};

double CrossingSine(const Track& a, const Track& b) {
    const Point da = a.Tangent(), db = b.Tangent();
    const double lengths = std::sqrt(Dot(da, da) * Dot(db, db));
    return lengths > 0.0 ? std::abs(Cross(da, db)) / lengths : 1.0;
}

// On an anchor, the segment on either side of it may be the one that meets the other path: the solve starts on
// the pair that crosses most steeply.
void ChooseSides(Track& a, Track& b) {
    Track beforeA = a, beforeB = b;
    const bool turnA = beforeA.BackUp(), turnB = beforeB.BackUp();
    if (!turnA && !turnB) return;
    const Track startA = a, startB = b;
    double best = CrossingSine(a, b);
    for (const Track* x : {&startA, static_cast<const Track*>(&beforeA)}) {
        if (x == &beforeA && !turnA) continue;
        for (const Track* y : {&startB, static_cast<const Track*>(&beforeB)}) {
            if (y == &beforeB && !turnB) continue;
            const double sine = CrossingSine(*x, *y);
            if (sine > best) {
                best = sine;
                a = *x;
                b = *y;
            }
        }
    }
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
    Track sa(a, ua), sb(b, ub);
    ChooseSides(sa, sb);
    bool converged = false;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const Point pa = sa.At(), f = pa - sb.At();
        // Rounding keeps the gap a few units in the last place of the coordinates, however many steps are taken.
        if (std::abs(f.x) + std::abs(f.y) <= kResidual * (1.0 + std::abs(pa.x) + std::abs(pa.y))) {
            converged = true;
            break;
        }
        const Point da = sa.Tangent(), db = sb.Tangent();
        // Solve da * dsa - db * dsb = -f.
        const double det = -Cross(da, db);
        const double scale = std::sqrt(Dot(da, da) * Dot(db, db));
        if (std::abs(det) <= geometry::kParallelSine * scale || scale == 0.0)
            break;  // tangent or parallel: no single crossing
        const double dsa = (-f.x * -db.y - -db.x * -f.y) / det;
        const double dsb = (da.x * -f.y - -f.x * da.y) / det;
        sa.Step(dsa);
        sb.Step(dsb);
    }
    if (converged) {
        const Point p = sa.At();
        // Polylines within the flattening tolerance of curves that cross at a shallow angle meet up to that
        // tolerance over the angle's sine away from where the curves cross.
        if (Distance(p, near) <= reach / std::max(CrossingSine(sa, sb), kShallowestSine)) {
            ua = sa.Param();
            ub = sb.Param();
            return p;
        }
    }
    ua = ClosestParam(a, ua, near);
    ub = ClosestParam(b, ub, near);
    return Midpoint(PointAt(a, ua), PointAt(b, ub));
}

}  // namespace pathfinder
