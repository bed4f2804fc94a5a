// Exact bounds, areas and winding numbers of the document's segment records.
#include "headless/document/SdkGeometry.h"

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

TEST(SdkGeometry, CircleBoundsAreExactNotTheControlPolygon) {
    geometry::Box b;
    AddPathBounds(b, Circle(10, 20, 5), true, nullptr);
    const AIRealRect r = ToAIRect(b);
    EXPECT_NEAR(r.left, 5, 1e-12);
    EXPECT_NEAR(r.right, 15, 1e-12);
    EXPECT_NEAR(r.bottom, 15, 1e-12);
    EXPECT_NEAR(r.top, 25, 1e-12);
}

TEST(SdkGeometry, AnOpenPathLeavesOutItsClosingSegment) {
    // The closing segment of this arch would bulge below y = 0.
    std::vector<AIPathSegment> s = {{{0, 0}, {0, 0}, {0, -10}, 0}, {{10, 0}, {10, -10}, {10, 0}, 0}};
    geometry::Box open, closed;
    AddPathBounds(open, s, false, nullptr);
    AddPathBounds(closed, s, true, nullptr);
    EXPECT_NEAR(ToAIRect(open).bottom, -7.5, 1e-12);
    EXPECT_NEAR(ToAIRect(closed).bottom, -7.5, 1e-12);
    EXPECT_NEAR(ToAIRect(open).top, 0, 1e-12);
}

TEST(SdkGeometry, SignedAreaFollowsOrientation) {
    const AIReal circle = SignedArea(Circle(0, 0, 10), true);
    EXPECT_NEAR(circle, M_PI * 100, M_PI * 100 * 3e-4);  // the four-cubic circle is 0.028 % larger
    EXPECT_NEAR(SignedArea(Circle(0, 0, 10, false), true), -circle, 1e-9);
    std::vector<AIPathSegment> square = {{{0, 0}, {0, 0}, {0, 0}, 1},
                                         {{4, 0}, {4, 0}, {4, 0}, 1},
                                         {{4, 3}, {4, 3}, {4, 3}, 1},
                                         {{0, 3}, {0, 3}, {0, 3}, 1}};
    EXPECT_DOUBLE_EQ(SignedArea(square, true), 12);
}

TEST(SdkGeometry, WindingNumberInsideOutsideAndReversed) {
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), true, {0, 0}), 1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10, false), true, {0, 0}), -1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), true, {9.9, 0.5}), 1);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), true, {10.1, 0}), 0);
    EXPECT_EQ(WindingNumber(Circle(0, 0, 10), true, {7.2, 7.2}), 0);  // outside, inside the control polygon
}

}  // namespace
}  // namespace headless
