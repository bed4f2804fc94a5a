// Cutting a closed polyline down to the part near a box without changing how it winds about any point inside.
//
// An edge that misses the box is pushed onto the box's boundary by clamping each of its points to the box; the
// straight move from a point to its clamp never enters the box, so the pushed run winds about every inside point
// as the run did.
#include "headless/pathfinder/Window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace pathfinder {
namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;

// Below this many vertices outside the box, cutting the ring costs more than the clipper saves.
constexpr std::ptrdiff_t kFewestFarVertices = 8;

// The side of the edge's line a point lies on: 1 left, -1 right, 0 on it or too close to tell, which counts as
// both sides. Differences of clipper coordinates are exact in a double; their products may round.
int Side(double abx, double aby, double acx, double acy) {
    const double l = abx * acy, r = aby * acx;
    const double slack = 1e-15 * (std::abs(l) + std::abs(r));
    if (l - r > slack) return 1;
    if (r - l > slack) return -1;
    return 0;
}

}  // namespace

bool EdgeMeetsBox(const IntPoint& a, const IntPoint& b, const IntBox& box) {
    if (std::max(a.X, b.X) < box.minX || std::min(a.X, b.X) > box.maxX || std::max(a.Y, b.Y) < box.minY ||
        std::min(a.Y, b.Y) > box.maxY)
        return false;
    const double abx = static_cast<double>(b.X - a.X), aby = static_cast<double>(b.Y - a.Y);
    const double x0 = static_cast<double>(box.minX - a.X), x1 = static_cast<double>(box.maxX - a.X);
    const double y0 = static_cast<double>(box.minY - a.Y), y1 = static_cast<double>(box.maxY - a.Y);
    const int side = Side(abx, aby, x0, y0);
    return side == 0 || Side(abx, aby, x1, y0) != side || Side(abx, aby, x1, y1) != side ||
           Side(abx, aby, x0, y1) != side;
}

namespace {

IntPoint Clamp(const IntPoint& p, const IntBox& box) {
    return {std::clamp(p.X, box.minX, box.maxX), std::clamp(p.Y, box.minY, box.maxY)};
}

void Push(ClipperLib::Path& out, const IntPoint& p) {
    if (out.empty() || !(out.back() == p)) out.push_back(p);
}

// The corners the clamp of an edge that misses the box passes, in order: where the edge crosses the line of one of
// the box's sides it lies beyond the box along that line, so its clamp there is the corner on that side.
template <typename Visit>
void ForCornersPassed(const IntPoint& a, const IntPoint& b, const IntBox& box, Visit&& visit) {
    std::array<std::pair<double, IntPoint>, 4> passed;
    std::size_t n = 0;
    const double ax = static_cast<double>(a.X), ay = static_cast<double>(a.Y);
    const double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
    for (const cInt x : {box.minX, box.maxX}) {
        if ((a.X < x) == (b.X < x) || a.X == x || b.X == x) continue;
        const double t = (static_cast<double>(x) - ax) / dx;
        passed[n++] = {t, IntPoint{x, ay + t * dy < static_cast<double>(box.minY) ? box.minY : box.maxY}};
    }
    for (const cInt y : {box.minY, box.maxY}) {
        if ((a.Y < y) == (b.Y < y) || a.Y == y || b.Y == y) continue;
        const double t = (static_cast<double>(y) - ay) / dy;
        passed[n++] = {t, IntPoint{ax + t * dx < static_cast<double>(box.minX) ? box.minX : box.maxX, y}};
    }
    for (std::size_t i = 1; i < n; ++i)  // at most four
        for (std::size_t j = i; j > 0 && passed[j].first < passed[j - 1].first; --j)
            std::swap(passed[j], passed[j - 1]);
    for (std::size_t i = 0; i < n; ++i)
        visit(passed[i].second);
}

// Positions on the box's boundary, measured counter-clockwise (with y upwards) from the bottom-left corner. A run
// of pushed edges only adds up how far it travels along the boundary, so that back-and-forth along a side costs
// no vertices: what matters inside is how often it goes around.
class Boundary {
public:
    explicit Boundary(const IntBox& box)
        : box_(box), width_(box.maxX - box.minX), height_(box.maxY - box.minY), length_(2 * (width_ + height_)) {
        corners_ = {{{0, {box.minX, box.minY}},
                     {width_, {box.maxX, box.minY}},
                     {width_ + height_, {box.maxX, box.maxY}},
                     {2 * width_ + height_, {box.minX, box.maxY}}}};
    }

    // Travel from p to q, two points on one side, each side being shorter than half the way around.
    cInt Step(const IntPoint& p, const IntPoint& q) const {
        cInt d = At(q) - At(p);
        if (d > length_ / 2) d -= length_;
        if (d < -length_ / 2) d += length_;
        return d;
    }

    // The corners passed travelling from p by travel, in order.
    void AppendCorners(const IntPoint& p, cInt travel, ClipperLib::Path& out) const {
        const cInt from = At(p), to = from + travel;
        if (travel > 0) {
            for (cInt loop = 0; loop <= to; loop += length_)
                for (const auto& [at, corner] : corners_)
                    if (loop + at > from && loop + at < to) Push(out, corner);
        } else if (travel < 0) {
            for (cInt loop = 0; loop + length_ > to; loop -= length_)
                for (auto c = corners_.rbegin(); c != corners_.rend(); ++c)
                    if (loop + c->first < from && loop + c->first > to) Push(out, c->second);
        }
    }

private:
    cInt At(const IntPoint& p) const {
        if (p.Y == box_.minY) return p.X - box_.minX;
        if (p.X == box_.maxX) return width_ + (p.Y - box_.minY);
        if (p.Y == box_.maxY) return width_ + height_ + (box_.maxX - p.X);
        return 2 * width_ + height_ + (box_.maxY - p.Y);
    }

    IntBox box_;
    cInt width_, height_, length_;
    std::array<std::pair<cInt, IntPoint>, 4> corners_;
};

}  // namespace

IntBox IntBox::Empty() {
    constexpr cInt kMax = std::numeric_limits<cInt>::max(), kMin = std::numeric_limits<cInt>::min();
    return {kMax, kMax, kMin, kMin};
}

void IntBox::Add(const ClipperLib::Path& points) {
    for (const IntPoint& p : points) {
        minX = std::min(minX, p.X);
        minY = std::min(minY, p.Y);
        maxX = std::max(maxX, p.X);
        maxY = std::max(maxY, p.Y);
    }
}

void IntBox::Grow(cInt margin) {
    minX -= margin;
    minY -= margin;
    maxX += margin;
    maxY += margin;
}

bool WindowRing(const ClipperLib::Path& ring, const IntBox& box, ClipperLib::Path& out) {
    const auto outside = std::count_if(ring.begin(), ring.end(), [&](const IntPoint& p) { return !box.Contains(p); });
    if (outside < kFewestFarVertices) return false;
    const std::size_t n = ring.size();
    auto meets = [&](std::size_t i) { return EdgeMeetsBox(ring[i], ring[i + 1 < n ? i + 1 : 0], box); };
    std::size_t firstMet = n, firstMissed = n;
    for (std::size_t i = 0; i < n && (firstMet == n || firstMissed == n); ++i) {
        std::size_t& first = meets(i) ? firstMet : firstMissed;
        if (first == n) first = i;
    }
    if (firstMissed == n) return false;
    out.clear();
    const Boundary boundary(box);
    // Runs of edges that miss the box, from the first edge that meets it round to the same.
    const std::size_t start = firstMet == n ? 0 : firstMet;
    bool inRun = false;
    IntPoint runStart, last;
    cInt travel = 0;
    bool nextMet = false;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = (start + k) % n;
        const IntPoint& a = ring[i];
        const IntPoint& b = ring[(i + 1) % n];
        const bool met = k == 0 ? meets(i) : nextMet;
        nextMet = meets((i + 1) % n);
        if (met) {
            Push(out, a);
            Push(out, b);
            continue;
        }
        if (!inRun) {
            inRun = true;
            runStart = last = Clamp(a, box);
            travel = 0;
        }
        auto step = [&](const IntPoint& p) {
            travel += boundary.Step(last, p);
            last = p;
        };
        ForCornersPassed(a, b, box, step);
        step(Clamp(b, box));
        const bool runEnds = firstMet == n ? k + 1 == n : nextMet;
        if (!runEnds) continue;
        Push(out, runStart);
        boundary.AppendCorners(runStart, travel, out);
        Push(out, last);
        inRun = false;
    }
    while (out.size() > 1 && out.back() == out.front())
        out.pop_back();
    return true;
}

}  // namespace pathfinder
