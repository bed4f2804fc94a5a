// A ring cut down to a window winds about every point inside the window as the whole ring does, and keeps every edge
// that meets the window: seeded random rings far larger than the window, in every position about it.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "headless/pathfinder/Window.h"

namespace pathfinder::testing {
namespace {

using ClipperLib::IntPoint;
using ClipperLib::Path;

// Winding number of ring about (x, y) by signed crossings of the upward ray, or nullopt on an edge.
std::optional<int> Winding(const Path& ring, double x, double y) {
    int w = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const IntPoint& a = ring[i];
        const IntPoint& b = ring[(i + 1) % ring.size()];
        const double ax = static_cast<double>(a.X), ay = static_cast<double>(a.Y);
        const double bx = static_cast<double>(b.X), by = static_cast<double>(b.Y);
        const double cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax);
        if (std::abs(cross) < 1e-9 && x >= std::min(ax, bx) && x <= std::max(ax, bx) && y >= std::min(ay, by) &&
            y <= std::max(ay, by))
            return std::nullopt;
        if ((ax <= x) != (bx <= x)) {
            const double atX = ay + (by - ay) * (x - ax) / (bx - ax);
            if (atX > y) w += bx > ax ? -1 : 1;
        }
    }
    return w;
}

bool HasEdge(const Path& ring, const IntPoint& a, const IntPoint& b) {
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (ring[i] == a && ring[(i + 1) % ring.size()] == b) return true;
    return false;
}

TEST(Window, RingsWindAboutInsidePointsAsBeforeAndKeepTheEdgesThatMeetTheBox) {
    std::mt19937 rng(1405);
    std::uniform_int_distribution<ClipperLib::cInt> far(-1000, 1000), side(1, 60), near(-80, 80);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Path windowed;
    for (int c = 0; c < 400; ++c) {
        IntBox box = IntBox::Empty();
        box.Add({{near(rng), near(rng)}});
        box.maxX += side(rng);
        box.maxY += side(rng);
        // Vertices far and near, some on the box's edge lines and corners, rings that wind about it several times;
        // every eighth ring only far away.
        Path ring(8 + rng() % 40);
        for (IntPoint& p : ring) {
            switch (c % 8 == 0 ? 0 : rng() % 4) {
                case 0:
                    p = {far(rng), far(rng)};
                    break;
                case 1:
                    p = {near(rng), near(rng)};
                    break;
                case 2:
                    p = {rng() % 2 ? box.minX : box.maxX, near(rng)};
                    break;
                default:
                    p = {rng() % 2 ? box.minX : box.maxX, rng() % 2 ? box.minY : box.maxY};
                    break;
            }
        }
        if (!WindowRing(ring, box, windowed)) windowed = ring;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            const IntPoint &a = ring[i], &b = ring[(i + 1) % ring.size()];
            const double t = unit(rng);
            const double x = static_cast<double>(a.X) + t * static_cast<double>(b.X - a.X);
            const double y = static_cast<double>(a.Y) + t * static_cast<double>(b.Y - a.Y);
            const bool inside = x >= static_cast<double>(box.minX) && x <= static_cast<double>(box.maxX) &&
                                y >= static_cast<double>(box.minY) && y <= static_cast<double>(box.maxY);
            if (inside && !(a == b)) {
                EXPECT_TRUE(HasEdge(windowed, a, b)) << "case " << c << " edge " << i;
            }
        }
        for (int s = 0; s < 50; ++s) {
            const double x = static_cast<double>(box.minX) + unit(rng) * static_cast<double>(box.maxX - box.minX);
            const double y = static_cast<double>(box.minY) + unit(rng) * static_cast<double>(box.maxY - box.minY);
            const std::optional<int> before = Winding(ring, x, y), after = Winding(windowed, x, y);
            if (before && after) {
                EXPECT_EQ(*before, *after) << "case " << c << " at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace pathfinder::testing
