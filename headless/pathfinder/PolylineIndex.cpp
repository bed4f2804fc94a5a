// Lookup of flattened vertices by their integer coordinates.
#include "headless/pathfinder/PolylineIndex.h"

#include <algorithm>
#include <cmath>

namespace pathfinder {

PolylineIndex::PolylineIndex(std::vector<FlatPath> flats, std::vector<const BezierShape*> sources)
    : flats_(std::move(flats)), sources_(std::move(sources)) {
    std::size_t total = 0;
    for (const FlatPath& f : flats_)
        total += f.points.size();
    std::size_t size = 16;
    while (size < 2 * total)
        size *= 2;
    buckets_.assign(size, -1);
    slots_.reserve(total);
    for (std::size_t f = 0; f < flats_.size(); ++f) {
        const ClipperLib::Path& points = flats_[f].points;
        for (std::size_t v = 0; v < points.size(); ++v) {
            const int slot = static_cast<int>(slots_.size());
            int& first = buckets_[BucketOf(points[v])];
            slots_.push_back({{static_cast<int>(f), static_cast<int>(v)}, first});
            first = slot;
        }
    }
}

std::size_t PolylineIndex::BucketOf(const ClipperLib::IntPoint& p) const {
    const std::size_t mask = buckets_.size() - 1;
    std::uint64_t h = static_cast<std::uint64_t>(p.X) * 0x9E3779B97F4A7C15ull ^
                      static_cast<std::uint64_t>(p.Y) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 32;
    std::size_t b = static_cast<std::size_t>(h) & mask;
    for (;; b = (b + 1) & mask) {
        const int s = buckets_[b];
        if (s < 0) return b;
        const VertexRef& r = slots_[static_cast<std::size_t>(s)].ref;
        const ClipperLib::IntPoint& q =
            flats_[static_cast<std::size_t>(r.flat)].points[static_cast<std::size_t>(r.vertex)];
        if (q == p) return b;
    }
}

const BezierPath& PolylineIndex::SourceOf(int flat) const {
    const FlatPath& f = Flat(flat);
    return sources_[static_cast<std::size_t>(f.object)]->paths[static_cast<std::size_t>(f.pathIndex)];
}

void PolylineIndex::Find(const ClipperLib::IntPoint& p, std::vector<VertexRef>& out) const {
    out.clear();
    for (int s = buckets_[BucketOf(p)]; s >= 0; s = slots_[static_cast<std::size_t>(s)].next)
        out.push_back(slots_[static_cast<std::size_t>(s)].ref);
}

std::size_t PolylineIndex::EdgeCount(const FlatPath& flat) {
    if (flat.points.size() < 2) return 0;
    return flat.closed ? flat.points.size() : flat.points.size() - 1;
}

PathParam PolylineIndex::EdgeEndParam(const FlatPath& flat, std::size_t k) {
    if (k + 1 == flat.points.size()) return flat.closingParam;
    return flat.params[k + 1];
}

EdgeHit PolylineIndex::OnEdge(int flat, std::size_t k, const ClipperLib::IntPoint& p) const {
    const FlatPath& f = Flat(flat);
    const ClipperLib::IntPoint& a = f.points[k];
    const ClipperLib::IntPoint& b = f.points[(k + 1) % f.points.size()];
    const double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
    const double px = static_cast<double>(p.X - a.X), py = static_cast<double>(p.Y - a.Y);
    const double len2 = dx * dx + dy * dy;
    const double s = len2 > 0.0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
    EdgeHit hit;
    hit.flat = flat;
    hit.edge = static_cast<int>(k);
    // Clipper units stay far below where squaring them could overflow, so the plain root does what hypot would.
    const double ex = px - s * dx, ey = py - s * dy;
    hit.distance = std::sqrt(ex * ex + ey * ey);
    const PathParam u0 = EdgeStartParam(f, k), u1 = EdgeEndParam(f, k);
    hit.param = u0 + s * (u1 - u0);
    return hit;
}

ClipperLib::IntPoint PolylineIndex::PointAtParam(int flat, PathParam u) const {
    const FlatPath& f = Flat(flat);
    const std::size_t edges = EdgeCount(f);
    if (edges == 0) return f.points.front();
    // The last edge that leaves at or before u.
    const auto after = std::upper_bound(f.leaveParams.begin(), f.leaveParams.begin() + static_cast<long>(edges), u);
    const std::size_t k =
        after == f.leaveParams.begin() ? 0 : static_cast<std::size_t>(after - f.leaveParams.begin()) - 1;
    const PathParam u0 = EdgeStartParam(f, k), u1 = EdgeEndParam(f, k);
    const double s = u1 > u0 ? std::clamp((u - u0) / (u1 - u0), 0.0, 1.0) : 0.0;
    const ClipperLib::IntPoint& a = f.points[k];
    const ClipperLib::IntPoint& b = f.points[(k + 1) % f.points.size()];
    return {a.X + static_cast<ClipperLib::cInt>(std::llround(s * static_cast<double>(b.X - a.X))),
            a.Y + static_cast<ClipperLib::cInt>(std::llround(s * static_cast<double>(b.Y - a.Y)))};
}

void PolylineIndex::HitsNear(const ClipperLib::IntPoint& p, double maxDistance, int object, bool closedOnly,
                             std::vector<EdgeHit>& out) const {
    out.clear();
    const double x = static_cast<double>(p.X), y = static_cast<double>(p.Y);
    for (std::size_t fi = 0; fi < flats_.size(); ++fi) {
        const FlatPath& f = flats_[fi];
        if (f.object != object || (closedOnly && !f.closed)) continue;
        EdgeHit best;
        best.distance = maxDistance;
        const std::size_t edges = EdgeCount(f);
        for (std::size_t e = 0; e < edges; ++e) {
            const ClipperLib::IntPoint& a = f.points[e];
            const ClipperLib::IntPoint& b = f.points[(e + 1) % f.points.size()];
            if (static_cast<double>(std::max(a.X, b.X)) < x - maxDistance ||
                static_cast<double>(std::min(a.X, b.X)) > x + maxDistance ||
                static_cast<double>(std::max(a.Y, b.Y)) < y - maxDistance ||
                static_cast<double>(std::min(a.Y, b.Y)) > y + maxDistance)
                continue;
            const EdgeHit hit = OnEdge(static_cast<int>(fi), e, p);
            if (hit.distance <= best.distance) best = hit;
        }
        if (best.flat >= 0) out.push_back(best);
    }
}

}  // namespace pathfinder
