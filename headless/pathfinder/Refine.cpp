// Crossing refinement on the exact curves.
#include "headless/pathfinder/Refine.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/geometry/Tolerance.h"
#include "headless/pathfinder/PathParams.h"

namespace pathfinder {
namespace {

constexpr int kNewtonSteps = geometry::kMaxNewtonSteps;
constexpr double kResidual = geometry::kSamePointResidual;
constexpr double kShallowestSine = geometry::kShallowestCrossingSine;
constexpr int kSearchBudget = geometry::kMaxCrossingSearchPairs;
constexpr double kLeafShare = geometry::kCrossingSearchLeaf;

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

// Rounding keeps the gap between the two points a few units in the last place of their coordinates, however
// many steps are taken.
bool Meet(Point pa, Point f) {
    return std::abs(f.x) + std::abs(f.y) <= kResidual * (1.0 + std::abs(pa.x) + std::abs(pa.y));
}

// Newton steps on path a at sa == path b at sb. True when the two points meet.
[[gnu::always_inline]] inline bool Solve(Track& sa, Track& sb) {
    for (int i = 0; i < kNewtonSteps; ++i) {
        const Point pa = sa.At(), f = pa - sb.At();
        if (Meet(pa, f)) return true;
        const Point da = sa.Tangent(), db = sb.Tangent();
        // Solve da * dsa - db * dsb = -f.
        const double det = -Cross(da, db);
        const double scale = std::sqrt(Dot(da, da) * Dot(db, db));
        if (std::abs(det) <= geometry::kParallelSine * scale || scale == 0.0)
            return false;  // tangent or parallel: no single crossing
        const double dsa = (-f.x * -db.y - -db.x * -f.y) / det;
        const double dsb = (da.x * -f.y - -f.x * da.y) / det;
        sa.Step(dsa);
        sb.Step(dsb);
    }
    const Point pa = sa.At();
    return Meet(pa, pa - sb.At());
}

// The true crossing of the curves nearest a junction, found by halving the segments at the junction and their
// neighbours on both paths while their control boxes meet near it; each pair of small pieces whose chords cross
// starts a Newton solve.
class CrossingSearch {
public:
    CrossingSearch(const BezierPath& pathA, const BezierPath& pathB, Point junction, double reachAllowed)
        : a(pathA), b(pathB), near(junction), reach(reachAllowed) {}

    Point best{};
    PathParam bestA = 0.0, bestB = 0.0;

    bool Run(PathParam ua, PathParam ub) {
        const double radius = reach / kShallowestSine;
        bestDistance = radius;
        zone = Box{near.x - radius, near.y - radius, near.x + radius, near.y + radius};
        bool found = false;
        for (const std::size_t sa : Neighbours(a, ua))
            for (const std::size_t sb : Neighbours(b, ub))
                found |= Halve(SegmentOf(a, sa), static_cast<double>(sa), 1.0, SegmentOf(b, sb),
                               static_cast<double>(sb), 1.0, 0);
        return found;
    }

private:
    const BezierPath& a;
    const BezierPath& b;
    Point near;
    double reach;
    double bestDistance = 0.0;
    int budget = kSearchBudget;
    Box zone;

    static std::vector<std::size_t> Neighbours(const BezierPath& path, PathParam u) {
        std::size_t segment = 0;
        double t = 0.0;
        Locate(path, u, segment, t);
        const std::size_t n = SegmentCount(path);
        std::vector<std::size_t> out{segment};
        if (segment > 0 || path.closed) out.push_back((segment + n - 1) % n);
        if (segment + 1 < n || path.closed) out.push_back((segment + 1) % n);
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

    // Pieces ca and cb cover path parameters [ua, ua + la] and [ub, ub + lb].
    bool Halve(const Cubic& ca, double ua, double la, const Cubic& cb, double ub, double lb, int depth) {
        if (--budget < 0) return false;
        const Box ba = ca.ControlBounds(), bb = cb.ControlBounds();
        if (!ba.Intersects(bb) || !ba.Intersects(zone) || !bb.Intersects(zone)) return false;
        const double size = std::max({ba.Width(), ba.Height(), bb.Width(), bb.Height()});
        if (size <= reach * kLeafShare || depth >= geometry::kMaxSubdivisionDepth) return Leaf(ca, ua, la, cb, ub, lb);
        Cubic a0, a1, b0, b1;
        ca.Split(0.5, a0, a1);
        cb.Split(0.5, b0, b1);
        const double ha = la * 0.5, hb = lb * 0.5;
        bool found = Halve(a0, ua, ha, b0, ub, hb, depth + 1);
        found |= Halve(a0, ua, ha, b1, ub + hb, hb, depth + 1);
        found |= Halve(a1, ua + ha, ha, b0, ub, hb, depth + 1);
        found |= Halve(a1, ua + ha, ha, b1, ub + hb, hb, depth + 1);
        return found;
    }

    bool Leaf(const Cubic& ca, double ua, double la, const Cubic& cb, double ub, double lb) {
        // Where the chords' lines meet, as a fraction along each; far outside either chord means no crossing here.
        const Point da = ca.p3 - ca.p0, db = cb.p3 - cb.p0, f = cb.p0 - ca.p0;
        const double det = Cross(da, db);
        if (det == 0.0) return false;
        const double ta = Cross(f, db) / det, tb = Cross(f, da) / det;
        constexpr double kSlack = 0.25;
        if (ta < -kSlack || ta > 1.0 + kSlack || tb < -kSlack || tb > 1.0 + kSlack) return false;
        Track sa(a, ua + std::clamp(ta, 0.0, 1.0) * la), sb(b, ub + std::clamp(tb, 0.0, 1.0) * lb);
        if (!Solve(sa, sb)) return false;
        const Point p = sa.At();
        const double distance = Distance(p, near);
        if (distance > reach / std::max(CrossingSine(sa, sb), kShallowestSine) || distance >= bestDistance)
            return false;
        best = p;
        bestA = sa.Param();
        bestB = sb.Param();
        bestDistance = distance;
        return true;
    }
};

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

Point RefineCrossing(const BezierPath& a, PathParam& ua, const BezierPath& b, PathParam& ub, Point near, double reach,
                     bool* onBoth) {
    if (onBoth) *onBoth = true;
    Track sa(a, ua), sb(b, ub);
    ChooseSides(sa, sb);
    // Polylines within the flattening tolerance of curves that cross at a shallow angle meet up to that tolerance
    // over the angle's sine away from where the curves cross.
    if (Solve(sa, sb)) {
        const Point p = sa.At();
        if (Distance(p, near) <= reach / std::max(CrossingSine(sa, sb), kShallowestSine)) {
            ua = sa.Param();
            ub = sb.Param();
            return p;
        }
    }
    // Newton bounced between segments or met a near-tangent: search the curves themselves around the junction.
    CrossingSearch search(a, b, near, reach);
    if (search.Run(ua, ub)) {
        ua = search.bestA;
        ub = search.bestB;
        return search.best;
    }
    if (onBoth) *onBoth = false;
    ua = ClosestParam(a, ua, near);
    ub = ClosestParam(b, ub, near);
    return Midpoint(PointAt(a, ua), PointAt(b, ub));
}

}  // namespace pathfinder
