// Exact bounds and areas of Bezier paths, matrices, and winding numbers.
#include "headless/document/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace headless {
namespace {

// A circle of four cubics with the usual handle length.
std::vector<AIPathSegment> Circle(AIReal cx, AIReal cy, AIReal r, bool ccw = true) {
    const AIReal k = 0.5522847498307936 * r;
    std::vector<AIPathSegment> s = {
        {{cx + r, cy}, {cx + r, cy - k}, {cx + r, cy + k}, 0},
        {{cx, cy + r}, {cx + k, cy + r}, {cx - k, cy + r}, 0},
        {{cx - r, cy}, {cx - r, cy + k}, {cx - r, cy - k}, 0},
        {{cx, cy - r}, {cx - k, cy - r}, {cx + k, cy - r}, 0},
    };
    if (!ccw) {
        std::vector<AIPathSegment> rev(s.rbegin(), s.rend());
        for (auto& seg : rev)
            std::swap(seg.in, seg.out);
        return rev;
    }
    return s;
}

TEST(Geometry, CircleBoundsAreExactNotTheControlPolygon) {
    BoundsBuilder b;
    AddPathBounds(b, Circle(10, 20, 5), true, nullptr);
    const AIRealRect r = b.Rect();
    EXPECT_NEAR(r.left, 5, 1e-12);
    EXPECT_NEAR(r.right, 15, 1e-12);
    EXPECT_NEAR(r.bottom, 15, 1e-12);
    EXPECT_NEAR(r.top, 25, 1e-12);
}

TEST(Geometry, AnOpenPathLeavesOutItsClosingSegment) {
    // The closing segment of this arch would bulge below y = 0.
    std::vector<AIPathSegment> s = {{{0, 0}, {0, 0}, {0, -10}, 0}, {{10, 0}, {10, -10}, {10, 0}, 0}};
    BoundsBuilder open, closed;
    AddPathBounds(open, s, false, nullptr);
    AddPathBounds(closed, s, true, nullptr);
    EXPECT_NEAR(open.Rect().bottom, -7.5, 1e-12);
    EXPECT_NEAR(closed.Rect().bottom, -7.5, 1e-12);
    EXPECT_NEAR(open.Rect().top, 0, 1e-12);
}

TEST(Geometry, SignedAreaFollowsOrientation) {
    const AIReal circle = SignedArea(Circle(0, 0, 10));
    EXPECT_NEAR(circle, M_PI * 100, M_PI * 100 * 3e-4);  // the four-cubic circle is 0.028 % larger
    EXPECT_NEAR(SignedArea(Circle(0, 0, 10, false)), -circle, 1e-9);
    std::vector<AIPathSegment> square = {{{0, 0}, {0, 0}, {0, 0}, 1},
                                         {{4, 0}, {4, 0}, {4, 0}, 1},
                                         {{4, 3}, {4, 3}, {4, 3}, 1},
                                         {{0, 3}, {0, 3}, {0, 3}, 1}};
    EXPECT_DOUBLE_EQ(SignedArea(square), 12);
}

TEST(Geometry, MatricesInvertAndConcatenate) {
    const AIRealMatrix m{2, 0.5, -1, 3, 10, -4};
    const auto inv = Invert(m);
    ASSERT_TRUE(inv);
    const AIRealPoint p = Transform(*inv, Transform(m, {7, -2}));
    EXPECT_NEAR(p.h, 7, 1e-12);
    EXPECT_NEAR(p.v, -2, 1e-12);
    EXPECT_FALSE(Invert(AIRealMatrix{1, 2, 2, 4, 0, 0}));
    const AIRealMatrix translate{1, 0, 0, 1, 5, 0}, scale{2, 0, 0, 2, 0, 0};
    const AIRealPoint q = Transform(Concat(translate, scale), {1, 1});  // translate first, then scale
    EXPECT_DOUBLE_EQ(q.h, 12);
    EXPECT_DOUBLE_EQ(q.v, 2);
}

TEST(Geometry, WindingNumberInsideOutsideAndReversed) {
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), {0, 0}, 0.01), 1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10, false), {0, 0}, 0.01), -1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), {9.9, 0.5}, 0.001), 1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), {10.1, 0}, 0.01), 0);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), {7.2, 7.2}, 0.01), 0);  // outside, inside the control polygon
}

}  // namespace
}  // namespace headless
