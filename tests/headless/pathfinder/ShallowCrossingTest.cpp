// Curves that cross at a shallow angle: where the polylines meet can lie many flattening tolerances from where the
// curves cross, and the pieces must still end on both curves and add up.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "headless/pathfinder/Crop.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"

namespace pathfinder::testing {
namespace {

// Distance from p to the line through a and b.
double LineDistance(Point p, Point a, Point b) {
    const Point d = b - a;
    return std::abs(Cross(d, p - a)) / std::hypot(d.x, d.y);
}

bool IsAnchorOf(const BezierShape& shape, Point p) {
    for (const BezierPath& path : shape.paths)
        for (const Anchor& a : path.anchors)
            if (a.p == p) return true;
    return false;
}

// A wide triangle whose long side cuts a circle a little way in from its rim, at a random slant: a thin cap of
// the circle stands out past the side, reached at two crossings close together.
TEST(ShallowCrossing, CapsCutOffACircleEndOnTheLineAndAddUp) {
    std::mt19937 rng(3385);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 40; ++c) {
        const double r = 5 + 30 * unit(rng), angle = 2 * std::numbers::pi * unit(rng);
        // The cap is between twice and a hundred times the flattening tolerance deep.
        const double depth = kFlattenTolerance * (2 + 98 * unit(rng) * unit(rng));
        const Point centre{300 * unit(rng), 300 * unit(rng)};
        const Point normal{std::cos(angle), std::sin(angle)}, along{-normal.y, normal.x};
        const Point foot = centre + (r - depth) * normal;
        const Point a = foot - 400.0 * along, b = foot + 400.0 * along, apex = centre - 400.0 * normal;
        const BezierShape triangle = Shape({Polygon({a, b, apex})}), circle = Shape({Circle(centre.x, centre.y, r)});
        for (const auto& [top, under] : {std::pair{&triangle, &circle}, std::pair{&circle, &triangle}}) {
            const CropResult result = Crop(*top, *under);
            ASSERT_EQ(result.status, PathfinderStatus::kOk) << "case " << c;
            const double whole = std::abs(SignedArea(*top));
            EXPECT_NEAR(RoleArea(result, CropRole::kOverlap) + RoleArea(result, CropRole::kTopOnly), whole,
                        1e-9 * whole + 1e-9)
                << "case " << c << " depth " << depth;
            // Every anchor of the overlap that is no anchor of an input is a crossing: on the line and the circle.
            for (const CropPiece& piece : result.pieces) {
                if (piece.role != CropRole::kOverlap) continue;
                for (const BezierPath& path : piece.shape.paths)
                    for (const Anchor& anchor : path.anchors) {
                        if (IsAnchorOf(triangle, anchor.p) || IsAnchorOf(circle, anchor.p)) continue;
                        EXPECT_LT(LineDistance(anchor.p, a, b), 1e-9) << "case " << c << " depth " << depth;
                        EXPECT_NEAR(Distance(anchor.p, centre), r, 3e-4 * r) << "case " << c;
                    }
            }
        }
    }
}

}  // namespace
}  // namespace pathfinder::testing
