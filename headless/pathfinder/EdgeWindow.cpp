// The window's part of a large top object: where a few edges of a simple ring pass the window, those edges closed
// round the window's corners inside the ring bound a small ring that fills the window alike. The clipper's faces
// inside the window are then the same, and the one face that runs along the corners takes the far vertices back in
// their place.
#include "headless/pathfinder/EdgeWindow.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "headless/pathfinder/RecentAnswers.h"
#include "headless/pathfinder/Window.h"

namespace pathfinder {
namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;

// Beyond this the products of coordinate differences no longer fit the integer type.
constexpr cInt kExactLimit = cInt{1} << 30;

// Below this many vertices the ring is no larger than its window part.
constexpr std::size_t kFewestVertices = 8;

// Beyond this many edges through the window the checks cost more than the clipper saves.
constexpr std::size_t kMostEdges = 4;

int Orient(const IntPoint& a, const IntPoint& b, const IntPoint& c) {
    const cInt v = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
    return (v > 0) - (v < 0);
}

// p, on the line through a and b, lies on the segment.
bool Within(const IntPoint& a, const IntPoint& b, const IntPoint& p) {
    return p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) && p.Y >= std::min(a.Y, b.Y) &&
           p.Y <= std::max(a.Y, b.Y);
}

bool SegmentsMeet(const IntPoint& a, const IntPoint& b, const IntPoint& c, const IntPoint& d) {
    const int abc = Orient(a, b, c), abd = Orient(a, b, d), cda = Orient(c, d, a), cdb = Orient(c, d, b);
    if (abc * abd < 0 && cda * cdb < 0) return true;
    return (abc == 0 && Within(a, b, c)) || (abd == 0 && Within(a, b, d)) || (cda == 0 && Within(c, d, a)) ||
           (cdb == 0 && Within(c, d, b));
}

// How often a closed chain of edges, fed in one by one, winds about p; on is set when p lies on an edge.
struct WindingCount {
    IntPoint p;
    int winding = 0;
    bool on = false;

    void Edge(const IntPoint& a, const IntPoint& b) {
        const int side = Orient(a, b, p);
        if (side == 0 && Within(a, b, p)) on = true;
        if (a.Y <= p.Y && b.Y > p.Y && side > 0) ++winding;
        if (a.Y > p.Y && b.Y <= p.Y && side < 0) --winding;
    }
};

// The ring's simplicity, worked out once for the region that every cut of a run uses.
bool CachedIsSimpleRing(const Path& ring) {
    thread_local RecentAnswers<Path, bool, 1> recent;
    return recent.Get(ring, std::equal_to<Path>(), [&] { return IsSimpleRing(ring); });
}

template <typename Visit>
void ForEachContour(ClipperLib::PolyNode& node, Visit&& visit) {
    for (ClipperLib::PolyNode* child : node.Childs) {
        visit(child->Contour);
        ForEachContour(*child, visit);
    }
}

// Where contour holds from, corners..., to in order, or the same backwards: the index of its first point.
std::optional<std::size_t> FindCorners(const Path& contour, const IntPoint& from, const Path& corners,
                                       const IntPoint& to, bool& backwards) {
    const std::size_t n = contour.size(), length = corners.size() + 2;
    if (n < length) return std::nullopt;
    auto at = [&](std::size_t i) -> const IntPoint& { return contour[i % n]; };
    for (std::size_t j = 0; j < n; ++j) {
        for (const bool back : {false, true}) {
            if (!(at(j) == (back ? to : from)) || !(at(j + length - 1) == (back ? from : to))) continue;
            bool same = true;
            for (std::size_t k = 0; k < corners.size() && same; ++k)
                same = at(j + 1 + k) == corners[back ? corners.size() - 1 - k : k];
            if (!same) continue;
            backwards = back;
            return j;
        }
    }
    return std::nullopt;
}

// The contour with the corners found at start replaced by the far vertices, in the same direction.
void PutBack(Path& contour, std::size_t start, std::size_t corners, const Path& far, bool backwards) {
    const std::size_t n = contour.size();
    Path out;
    out.reserve(n - corners + far.size());
    out.push_back(contour[start]);
    if (backwards)
        out.insert(out.end(), far.rbegin(), far.rend());
    else
        out.insert(out.end(), far.begin(), far.end());
    for (std::size_t k = corners + 1; k < n; ++k)
        out.push_back(contour[(start + k) % n]);
    contour = std::move(out);
}

}  // namespace

bool IsSimpleRing(const Path& ring) {
    const std::size_t n = ring.size();
    if (n < 3) return false;
    for (const IntPoint& p : ring)
        if (p.X <= -kExactLimit || p.X >= kExactLimit || p.Y <= -kExactLimit || p.Y >= kExactLimit) return false;
    struct Edge {
        cInt minX, maxX, minY, maxY;
        std::size_t index;
    };
    std::vector<Edge> edges(n);
    for (std::size_t i = 0; i < n; ++i) {
        const IntPoint &a = ring[i], &b = ring[(i + 1) % n];
        if (a == b) return false;
        edges[i] = {std::min(a.X, b.X), std::max(a.X, b.X), std::min(a.Y, b.Y), std::max(a.Y, b.Y), i};
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.minX < b.minX; });
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n && edges[j].minX <= edges[i].maxX; ++j) {
            if (edges[j].minY > edges[i].maxY || edges[j].maxY < edges[i].minY) continue;
            std::size_t e = edges[i].index, f = edges[j].index;
            if (e > f) std::swap(e, f);
            const IntPoint &a = ring[e], &b = ring[(e + 1) % n], &c = ring[f], &d = ring[(f + 1) % n];
            if (f == e + 1 || (e == 0 && f == n - 1)) {
                // Neighbours share one vertex; they may not fold back along each other.
                const IntPoint &from = f == e + 1 ? a : c, &shared = f == e + 1 ? b : a, &to = f == e + 1 ? d : b;
                const bool back = (shared.X - from.X) * (to.X - shared.X) + (shared.Y - from.Y) * (to.Y - shared.Y) < 0;
                if (n > 3 && Orient(from, shared, to) == 0 && back) return false;
                if (n == 3 && Orient(a, b, c) == 0) return false;
                continue;
            }
            if (SegmentsMeet(a, b, c, d)) return false;
        }
    }
    return true;
}

std::optional<TopWindowPart> WindowPartOfTop(const std::vector<FlatPath>& flats) {
    const FlatPath* top = nullptr;
    IntBox under = IntBox::Empty();
    for (const FlatPath& f : flats) {
        if (f.object != 0) {
            under.Add(f.points);
        } else {
            if (top || !f.closed) return std::nullopt;
            top = &f;
        }
    }
    if (!top || under.IsEmpty() || top->points.size() < kFewestVertices) return std::nullopt;
    IntBox window = under, near = under;
    window.Grow(kWindowMargin);
    near.Grow(kWindowMargin / 2);
    const Path& ring = top->points;
    const std::size_t n = ring.size();
    // The edges that meet the window, one run of them from r to q; the far vertices run on from q round to r.
    auto meets = [&](std::size_t i) { return EdgeMeetsBox(ring[i], ring[(i + 1) % n], window); };
    std::size_t first = n, count = 0;
    bool lastMet = meets(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const bool met = meets(i);
        const bool starts = met && !lastMet;
        lastMet = met;
        if (!met) continue;
        if (++count > kMostEdges) return std::nullopt;
        if (starts) {
            if (first != n) return std::nullopt;  // a second run
            first = i;
        }
    }
    if (first == n || n - count < kFewestVertices / 2 || !CachedIsSimpleRing(ring)) return std::nullopt;
    Path chain;
    for (std::size_t k = 0; k <= count; ++k)
        chain.push_back(ring[(first + k) % n]);
    const IntPoint &r = chain.front(), &q = chain.back();
    // The window's corners inside the top object, in counter-clockwise order from one outside.
    const std::array<IntPoint, 4> corners = {IntPoint{window.minX, window.minY}, IntPoint{window.maxX, window.minY},
                                             IntPoint{window.maxX, window.maxY}, IntPoint{window.minX, window.maxY}};
    std::array<WindingCount, 4> around = {{{corners[0]}, {corners[1]}, {corners[2]}, {corners[3]}}};
    for (std::size_t i = 0; i < n; ++i)
        for (WindingCount& w : around)
            w.Edge(ring[i], ring[(i + 1) % n]);
    std::array<bool, 4> inside{};
    for (std::size_t k = 0; k < 4; ++k) {
        if (around[k].on) return std::nullopt;
        inside[k] = around[k].winding != 0;
    }
    std::size_t start = 4;
    for (std::size_t k = 0; k < 4; ++k)
        if (inside[k] && !inside[(k + 3) % 4]) start = k;
    if (start == 4) return std::nullopt;
    Path inner;
    for (std::size_t k = start; inside[k % 4] && inner.size() < 4; ++k)
        inner.push_back(corners[k % 4]);
    // The window's part: the run of edges closed round the inner corners, whichever way round keeps it simple and
    // the far part, replaced, wound about nothing near the lower object.
    Path part;
    bool fits = false;
    for (int turn = 0; turn < 2 && !fits; ++turn) {
        if (turn == 1) std::reverse(inner.begin(), inner.end());
        part = chain;
        part.insert(part.end(), inner.begin(), inner.end());
        if (EdgeMeetsBox(q, inner.front(), near) || EdgeMeetsBox(inner.back(), r, near) || !IsSimpleRing(part))
            continue;
        // The far vertices and the corners in their place, as one loop that keeps clear of the lower object's
        // surroundings, must not wind about them: then the ring and the part fill them alike.
        WindingCount loop{{near.minX, near.minY}};
        for (std::size_t i = (first + count) % n; i != first; i = (i + 1) % n)
            loop.Edge(ring[i], ring[(i + 1) % n]);
        loop.Edge(r, inner.back());
        for (std::size_t k = inner.size() - 1; k > 0; --k)
            loop.Edge(inner[k], inner[k - 1]);
        loop.Edge(inner.front(), q);
        fits = loop.winding == 0;
    }
    if (!fits) return std::nullopt;

    TopWindowPart result{std::move(part), std::move(inner), q, r, {}};
    for (std::size_t i = (first + count + 1) % n; i != first; i = (i + 1) % n)
        result.far.push_back(ring[i]);
    return result;
}

bool PutFarVerticesBack(const TopWindowPart& part, ClipperLib::PolyTree& topOnly) {
    Path* found = nullptr;
    std::size_t at = 0;
    bool backwards = false, twice = false;
    ForEachContour(topOnly, [&](Path& contour) {
        bool back = false;
        if (const std::optional<std::size_t> j = FindCorners(contour, part.before, part.corners, part.after, back)) {
            twice = twice || found != nullptr;
            found = &contour;
            at = *j;
            backwards = back;
        }
    });
    if (!found || twice) return false;
    PutBack(*found, at, part.corners.size(), part.far, backwards);
    return true;
}

}  // namespace pathfinder
