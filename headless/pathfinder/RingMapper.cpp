// Mapping of clipper polygons back onto the source Bezier outlines.
#include "headless/pathfinder/RingMapper.h"

#include <cmath>
#include <limits>

#include "headless/geometry/Tolerance.h"
#include "headless/pathfinder/PathBuilder.h"
#include "headless/pathfinder/PathParams.h"
#include "headless/pathfinder/Refine.h"

namespace pathfinder {
namespace {

using geometry::kBridgeableEdge;
constexpr double kContinuity = geometry::kParamContinuity;
constexpr double kSameCrossing = geometry::kSameCrossingParam;

void MoveStart(Cubic& c, Point p) {
    if (c.IsStraight()) c.p1 = p;
    c.p0 = p;
}

void MoveEnd(Cubic& c, Point p) {
    if (c.IsStraight()) c.p2 = p;
    c.p3 = p;
}

}  // namespace

RingMapper::RingMapper(const PolylineIndex& index, const Tolerances& tolerances)
    : index_(index), tolerances_(tolerances), onEdgeDistance_(2.0) {}

EdgeMatch RingMapper::FromHit(const EdgeHit& hp, const EdgeHit& hq) const {
    return EdgeMatch{hp.flat, hp.param, hq.param};
}

EdgeMatch RingMapper::MatchEdge(const ClipperLib::IntPoint& p, const ClipperLib::IntPoint& q, int preferredFlat,
                                int object) {
    // Edges come in order along a polygon: this edge's start is mostly the last one's end, already looked up.
    if (lookedUp_ && p == lastQ_) {
        std::swap(refsP_, refsQ_);
    } else {
        index_.Find(p, refsP_);
    }
    index_.Find(q, refsQ_);
    lastQ_ = q;
    lookedUp_ = true;
    // Most edges join two neighbouring vertices of the flat the polygon is following: nothing can score better.
    if (preferredFlat >= 0 && (object < 0 || index_.Flat(preferredFlat).object == object)) {
        const EdgeMatch direct = NeighbourEdge(preferredFlat);
        if (direct.flat >= 0) return direct;
    }
    EdgeMatch best;
    double bestScore = std::numeric_limits<double>::infinity();
    auto consider = [&](int flat, std::size_t edge) {
        if (object >= 0 && index_.Flat(flat).object != object) return;
        const EdgeHit hp = index_.OnEdge(flat, edge, p);
        if (hp.distance > onEdgeDistance_) return;
        const EdgeHit hq = index_.OnEdge(flat, edge, q);
        if (hq.distance > onEdgeDistance_ || hp.param == hq.param) return;
        // Prefer the path the polygon was already following where two outlines run together.
        const double score = hp.distance + hq.distance + (flat == preferredFlat ? 0.0 : 0.5);
        if (score < bestScore) {
            bestScore = score;
            best = FromHit(hp, hq);
        }
    };
    auto considerAround = [&](const std::vector<VertexRef>& refs) {
        for (const VertexRef& r : refs) {
            const FlatPath& f = index_.Flat(r.flat);
            const std::size_t edges = PolylineIndex::EdgeCount(f);
            const std::size_t v = static_cast<std::size_t>(r.vertex);
            if (v < edges) consider(r.flat, v);
            if (v > 0)
                consider(r.flat, v - 1);
            else if (f.closed)
                consider(r.flat, edges - 1);
        }
    };
    considerAround(refsP_);
    considerAround(refsQ_);
    if (best.flat >= 0) return best;
    // Both ends are new vertices: search every edge near them.
    const double minX = static_cast<double>(std::min(p.X, q.X)) - onEdgeDistance_;
    const double maxX = static_cast<double>(std::max(p.X, q.X)) + onEdgeDistance_;
    const double minY = static_cast<double>(std::min(p.Y, q.Y)) - onEdgeDistance_;
    const double maxY = static_cast<double>(std::max(p.Y, q.Y)) + onEdgeDistance_;
    const std::vector<FlatPath>& flats = index_.Flats();
    for (std::size_t fi = 0; fi < flats.size(); ++fi) {
        const FlatPath& f = flats[fi];
        const std::size_t edges = PolylineIndex::EdgeCount(f);
        for (std::size_t e = 0; e < edges; ++e) {
            const ClipperLib::IntPoint& a = f.points[e];
            const ClipperLib::IntPoint& b = f.points[(e + 1) % f.points.size()];
            if (static_cast<double>(std::max(a.X, b.X)) < minX || static_cast<double>(std::min(a.X, b.X)) > maxX ||
                static_cast<double>(std::max(a.Y, b.Y)) < minY || static_cast<double>(std::min(a.Y, b.Y)) > maxY)
                continue;
            consider(static_cast<int>(fi), e);
        }
    }
    return best;
}

EdgeMatch RingMapper::NeighbourEdge(int flat) const {
    const FlatPath& f = index_.Flat(flat);
    const std::size_t count = f.points.size();
    for (const VertexRef& rp : refsP_) {
        if (rp.flat != flat) continue;
        for (const VertexRef& rq : refsQ_) {
            if (rq.flat != flat) continue;
            const std::size_t vp = static_cast<std::size_t>(rp.vertex), vq = static_cast<std::size_t>(rq.vertex);
            const bool forward = vq == vp + 1 || (f.closed && vp + 1 == count && vq == 0);
            const bool backward = vp == vq + 1 || (f.closed && vq + 1 == count && vp == 0);
            if (!forward && !backward) continue;
            // The edge leaves the earlier vertex; its ends carry the parameters the projection would find.
            const std::size_t edge = forward ? vp : vq;
            const PathParam start = PolylineIndex::EdgeStartParam(f, edge), end = PolylineIndex::EdgeEndParam(f, edge);
            if (start == end) continue;
            return forward ? EdgeMatch{flat, start, end} : EdgeMatch{flat, end, start};
        }
    }
    return EdgeMatch{};
}

double RingMapper::ParamDelta(int flat, double delta) const {
    const FlatPath& f = index_.Flat(flat);
    if (!f.closed) return delta;
    const double n = static_cast<double>(f.segmentCount);
    if (delta >= -n / 2 && delta <= n / 2) return delta;
    delta = std::fmod(delta, n);
    if (delta > n / 2) delta -= n;
    if (delta < -n / 2) delta += n;
    return delta;
}

bool RingMapper::Continues(const Stretch& run, const EdgeMatch& next) const {
    if (run.flat != next.flat) return false;
    const double step = next.to - next.from;
    if ((step > 0) != (run.length > 0)) return false;
    return std::abs(ParamDelta(run.flat, next.from - (run.from + run.length))) <= kContinuity;
}

Point RingMapper::SharedCrossing(const ClipperLib::IntPoint& at, int a, PathParam& ua, int b, PathParam& ub,
                                 bool& onBoth) {
    const double reach = tolerances_.CrossingReach();
    const Point near = FromClipper(at, tolerances_.clipperScale);
    // A path that meets itself has no order to tell its two parameters apart.
    if (a == b) return RefineCrossing(index_.SourceOf(a), ua, index_.SourceOf(b), ub, near, reach, &onBoth);
    const bool aLow = a < b;
    const auto [it, inserted] = crossings_.try_emplace(CrossingKey{at.X, at.Y, aLow ? a : b, aLow ? b : a});
    Crossing& c = it->second;
    if (!inserted) {
        // The same vertex met again on another stretch of either path is a different crossing. The parameters the
        // polylines give there are compared, not the refined ones: on curves crossing at a shallow angle the
        // refinement may move far along them.
        const PathParam ma = aLow ? c.metLow : c.metHigh, mb = aLow ? c.metHigh : c.metLow;
        if (std::abs(ParamDelta(a, ma - ua)) <= kSameCrossing && std::abs(ParamDelta(b, mb - ub)) <= kSameCrossing) {
            ua = aLow ? c.uLow : c.uHigh;
            ub = aLow ? c.uHigh : c.uLow;
            onBoth = c.onBoth;
            return c.point;
        }
        return RefineCrossing(index_.SourceOf(a), ua, index_.SourceOf(b), ub, near, reach, &onBoth);
    }
    c.metLow = aLow ? ua : ub;
    c.metHigh = aLow ? ub : ua;
    c.point = RefineCrossing(index_.SourceOf(a), ua, index_.SourceOf(b), ub, near, reach, &onBoth);
    c.onBoth = onBoth;
    c.uLow = aLow ? ua : ub;
    c.uHigh = aLow ? ub : ua;
    return c.point;
}

double RingMapper::LongestSliver() const {
    // As far from a junction as a crossing is looked for.
    return tolerances_.CrossingReach() / geometry::kShallowestCrossingSine;
}

bool RingMapper::IsSliver(std::size_t k) {
    const std::size_t next = (k + 1) % runs_.size();
    if (crossed_[k] || crossed_[next] || runs_[k].flat < 0) return false;
    std::vector<Cubic>& pieces = pieces_;
    pieces.clear();
    EmitStretch(index_.SourceOf(runs_[k].flat), runs_[k].from, runs_[k].length, pieces);
    Box box;
    for (const Cubic& c : pieces)
        box.Add(c.ControlBounds());
    return box.Width() <= LongestSliver() && box.Height() <= LongestSliver();
}

BezierPath RingMapper::WholeLoop(const Stretch& run) {
    // Keep the source's own anchors.
    const double n = static_cast<double>(index_.Flat(run.flat).segmentCount);
    std::vector<Cubic>& pieces = pieces_;
    pieces.clear();
    EmitStretch(index_.SourceOf(run.flat), 0.0, run.length > 0 ? n : -n, pieces);
    return BuildPath(pieces, true);
}

bool RingMapper::IsPinched() {
    if (runs_.size() != 2 || crossed_[0] || crossed_[1]) return false;
    for (const Stretch& run : runs_)
        if (run.flat < 0 || !index_.Flat(run.flat).closed) return false;
    return Distance(junction_[0], junction_[1]) <= LongestSliver() && !IsSliver(0) && !IsSliver(1);
}

void RingMapper::EraseRun(std::size_t k) {
    const auto at = static_cast<std::ptrdiff_t>(k);
    runs_.erase(runs_.begin() + at);
    junction_.erase(junction_.begin() + at);
    crossed_.erase(crossed_.begin() + at);
}

bool RingMapper::SkipSlivers() {
    for (std::size_t k = 0; k < runs_.size();) {
        const std::size_t r = runs_.size();
        if (r < 2 || !IsSliver(k)) {
            ++k;
            continue;
        }
        const std::size_t before = (k + r - 1) % r, next = (k + 1) % r;
        Stretch& prev = runs_[before];
        if (r == 2) {
            if (prev.flat < 0 || IsSliver(before)) return false;  // the sliver alone
            // The rest of the ring is the whole of the other outline.
            const FlatPath& f = index_.Flat(prev.flat);
            if (!f.closed) return true;
            const double n = static_cast<double>(f.segmentCount);
            prev.length = prev.length > 0 ? n : -n;
            junction_[before] = PointAt(index_.SourceOf(prev.flat), prev.from);
            EraseRun(k);
            return true;
        }
        const Stretch& after = runs_[next];
        const double gap = ParamDelta(prev.flat, after.from - (prev.from + prev.length));
        if (prev.flat < 0 || after.flat != prev.flat || (gap > 0) != (prev.length > 0) ||
            (after.length > 0) != (prev.length > 0)) {
            ++k;
            continue;
        }
        prev.length += gap + after.length;
        // Drop the sliver's stretch and the one after it, now part of prev.
        const std::size_t first = std::min(k, next), second = std::max(k, next);
        for (const std::size_t i : {second, first})
            EraseRun(i);
        k = 0;
    }
    return true;
}

bool RingMapper::MapRing(const ClipperLib::Path& ring, BezierPath& out) {
    out = BezierPath{};
    secondLoop_.anchors.clear();
    const std::size_t m = ring.size();
    if (m < 3) return true;
    std::vector<EdgeMatch>& matches = matches_;
    matches.assign(m, EdgeMatch{});
    int preferred = -1;
    for (std::size_t i = 0; i < m; ++i) {
        const ClipperLib::IntPoint& p = ring[i];
        const ClipperLib::IntPoint& q = ring[(i + 1) % m];
        matches[i] = MatchEdge(p, q, preferred);
        if (matches[i].flat < 0) {
            const double length = std::hypot(static_cast<double>(q.X - p.X), static_cast<double>(q.Y - p.Y));
            if (length > kBridgeableEdge) return false;
        }
        preferred = matches[i].flat;
    }
    // Start at a stretch boundary so that no stretch is split across the polygon's first vertex.
    std::size_t start = 0;
    for (std::size_t i = 0; i < m; ++i) {
        const EdgeMatch& prev = matches[(i + m - 1) % m];
        const Stretch prevRun{prev.flat, prev.from, prev.to - prev.from};
        if (prev.flat < 0 || !Continues(prevRun, matches[i])) {
            start = i;
            break;
        }
    }
    // Stretches and the polygon vertex each one starts at; an unmatched short edge is a straight bridge (flat -1).
    std::vector<Stretch>& runs = runs_;
    std::vector<std::size_t>& startVertex = startVertex_;
    runs.clear();
    startVertex.clear();
    for (std::size_t k = 0; k < m; ++k) {
        const std::size_t i = (start + k) % m;
        const EdgeMatch& e = matches[i];
        if (!runs.empty() && runs.back().flat >= 0 && Continues(runs.back(), e)) {
            runs.back().length += ParamDelta(e.flat, e.to - e.from);
            continue;
        }
        runs.push_back(Stretch{e.flat, e.from, e.flat >= 0 ? ParamDelta(e.flat, e.to - e.from) : 0.0});
        startVertex.push_back(i);
    }
    const double scale = tolerances_.clipperScale;
    if (runs.size() == 1 && runs[0].flat >= 0) {
        const FlatPath& f = index_.Flat(runs[0].flat);
        const double n = static_cast<double>(f.segmentCount);
        if (f.closed && std::abs(std::abs(runs[0].length) - n) <= kContinuity * n) {
            out = WholeLoop(runs[0]);
            return true;
        }
    }
    // Refine each junction where one stretch hands over to the next.
    const std::size_t r = runs.size();
    std::vector<Point>& junction = junction_;  // junction[k]: where run k starts
    junction.assign(r, Point{});
    bool anyUncrossed = false;  // crossed_ is filled only then
    for (std::size_t k = 0; k < r; ++k) {
        Stretch& prev = runs[(k + r - 1) % r];
        Stretch& next = runs[k];
        const Point near = FromClipper(ring[startVertex[k]], scale);
        if (prev.flat < 0 || next.flat < 0) {
            junction[k] = near;
            continue;
        }
        PathParam ua = prev.from + prev.length, ub = next.from;
        const PathParam oldA = ua, oldB = ub;
        bool onBoth = true;
        junction[k] = SharedCrossing(ring[startVertex[k]], prev.flat, ua, next.flat, ub, onBoth);
        if (!onBoth && !anyUncrossed) {
            crossed_.assign(r, 1);
            anyUncrossed = true;
        }
        if (!onBoth) crossed_[k] = 0;
        prev.length += ParamDelta(prev.flat, ua - oldA);
        const double shift = ParamDelta(next.flat, ub - oldB);
        next.from += shift;
        next.length -= shift;
    }
    if (anyUncrossed) {
        if (IsPinched()) {
            out = WholeLoop(runs[0]);
            secondLoop_ = WholeLoop(runs[1]);
            return true;
        }
        if (!SkipSlivers()) return true;
    }
    const std::size_t kept = runs.size();
    std::vector<Cubic>& pieces = pieces_;
    pieces.clear();
    for (std::size_t k = 0; k < kept; ++k) {
        const Point from = junction[k], to = junction[(k + 1) % kept];
        const std::size_t first = pieces.size();
        if (runs[k].flat >= 0) EmitStretch(index_.SourceOf(runs[k].flat), runs[k].from, runs[k].length, pieces);
        if (pieces.size() == first) {
            if (!(from == to)) pieces.push_back(Cubic{from, from, to, to});
            continue;
        }
        MoveStart(pieces[first], from);
        MoveEnd(pieces.back(), to);
    }
    if (pieces.size() < 2 && (pieces.empty() || pieces[0].IsStraight())) return true;  // nothing encloses area
    out = BuildPath(pieces, true);
    return true;
}

}  // namespace pathfinder
