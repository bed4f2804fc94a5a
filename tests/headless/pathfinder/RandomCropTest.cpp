// Random circles and polygons with a fixed seed: Crop keeps area(U and T) + area(U minus T) = area(U).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"

namespace pathfinder::testing {
namespace {

BezierShape RandomShape(std::mt19937& rng) {
    std::uniform_real_distribution<double> coord(-50, 50), radius(5, 40);
    if (rng() % 2 == 0) return Shape({Circle(coord(rng), coord(rng), radius(rng))});
    // A convex polygon: points on a circle at sorted random angles.
    std::uniform_real_distribution<double> angle(0, 2 * std::numbers::pi);
    std::vector<double> angles(3 + rng() % 6);
    for (double& a : angles)
        a = angle(rng);
    std::sort(angles.begin(), angles.end());
    const double cx = coord(rng), cy = coord(rng), r = radius(rng);
    BezierPath path;
    path.closed = true;
    for (double a : angles)
        path.anchors.push_back(Anchor::Corner({cx + r * std::cos(a), cy + r * std::sin(a)}));
    return Shape({path});
}

TEST(RandomCrop, OverlapAndRestMakeUpTheLowerObject) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 60; ++i) {
        const BezierShape top = RandomShape(rng), under = RandomShape(rng);
        const CropResult overlap = Crop(top, under);
        const CropResult rest = Crop(under, top, {{}, kCropTopOnly});
        ASSERT_EQ(overlap.status, PathfinderStatus::kOk) << "case " << i;
        ASSERT_EQ(rest.status, PathfinderStatus::kOk) << "case " << i;
        const double area = std::abs(SignedArea(under));
        EXPECT_NEAR(RoleArea(overlap, CropRole::kOverlap) + RoleArea(rest, CropRole::kTopOnly), area, 1e-6 * area)
            << "case " << i;
        const double topArea = std::abs(SignedArea(top));
        EXPECT_NEAR(RoleArea(overlap, CropRole::kOverlap) + RoleArea(overlap, CropRole::kTopOnly), topArea,
                    1e-6 * topArea)
            << "case " << i;
        for (const CropPiece& piece : overlap.pieces)
            for (const BezierPath& path : piece.shape.paths)
                for (const Cubic& s : SegmentsOf(path))
                    EXPECT_TRUE(IsExactSubCurve(s, {&top, &under})) << "case " << i;
    }
}

TEST(RandomOutline, EveryCaseSucceeds) {
    std::mt19937 rng(77);
    for (int i = 0; i < 60; ++i) {
        const BezierShape top = RandomShape(rng), under = RandomShape(rng);
        const OutlineResult result = Outline(top, under, {{}, i % 2 == 0});
        ASSERT_EQ(result.status, PathfinderStatus::kOk) << "case " << i;
        for (const OutlinePiece& p : result.pieces)
            for (const Cubic& s : SegmentsOf(p.path))
                EXPECT_TRUE(IsExactSubCurve(s, {&top, &under})) << "case " << i;
    }
}

}  // namespace
}  // namespace pathfinder::testing
