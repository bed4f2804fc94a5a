// Crop without the clipper where one object lies inside the other: the simplicity proof it rests on, the face it
// builds (areas, piece counts, winding of the hole), and the cases that must still go to the clipper.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/SimplePath.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"
#include "tests/support/TestSupport.h"

namespace pathfinder::testing {
namespace {

constexpr double kTolerance = kFlattenTolerance;

// Five points joined every second one: the lines cross, and the middle pentagon has winding two.
BezierPath Pentagram(double cx, double cy, double r) {
    BezierPath path;
    path.closed = true;
    for (int i = 0; i < 5; ++i) {
        const double a = std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
        path.anchors.push_back(Anchor::Corner({cx + r * std::cos(a), cy + r * std::sin(a)}));
    }
    return path;
}

// Area the pentagram covers under non-zero (its ten-point outline), and its five tips alone (even-odd).
double PentagramOutlineArea(double r) {
    const double inner = r * std::cos(2 * std::numbers::pi / 5) / std::cos(std::numbers::pi / 5);
    return 5 * r * inner * std::sin(std::numbers::pi / 5);
}
double PentagramCentreArea(double r) {
    const double inner = r * std::cos(2 * std::numbers::pi / 5) / std::cos(std::numbers::pi / 5);
    return 2.5 * inner * inner * std::sin(2 * std::numbers::pi / 5);
}

// One cubic from (0,0) to (10,0) whose handles cross over, so that it loops through itself.
BezierPath LoopingSegmentPath() {
    BezierPath path;
    path.closed = true;
    path.anchors = {Anchor{{0, 0}, {0, 0}, {20, 10}}, Anchor{{10, 0}, {-10, 10}, {10, 0}}, Anchor::Corner({5, -5})};
    return path;
}

BezierPath TwoHalfCircles(double r) {
    constexpr double k = 4.0 / 3.0;
    BezierPath path;
    path.closed = true;
    path.anchors = {Anchor{{r, 0}, {r, -k * r}, {r, k * r}}, Anchor{{-r, 0}, {-r, k * r}, {-r, -k * r}}};
    return path;
}

struct SimpleCase : trimora::test::NamedCase {
    BezierPath path;
    bool simple;
};

class SimplePathTable : public ::testing::TestWithParam<SimpleCase> {};

TEST_P(SimplePathTable, ProvesOnlySimplePaths) {
    const SimpleCase& c = GetParam();
    EXPECT_EQ(IsProvablySimple(c.path, kTolerance), c.simple);
    EXPECT_EQ(IsProvablySimple(Reversed(c.path), kTolerance), c.simple);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SimplePathTable,
    ::testing::Values(SimpleCase{"Square", Rect(0, 0, 10, 10), true}, SimpleCase{"Circle", Circle(0, 0, 10), true},
                      SimpleCase{"HalfCircleCubics", TwoHalfCircles(10), true},
                      SimpleCase{"Triangle", Polygon({{0, 0}, {10, 0}, {0, 10}}), true},
                      SimpleCase{"ZeroLengthSegments", Polygon({{0, 0}, {0, 0}, {10, 0}, {10, 10}, {10, 10}}), true},
                      SimpleCase{"Bowtie", Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}}), false},
                      SimpleCase{"SquareWalkedTwice",
                                 Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}}),
                                 false},
                      SimpleCase{"Pentagram", Pentagram(0, 0, 10), false},
                      SimpleCase{"LoopInsideOneSegment", LoopingSegmentPath(), false},
                      SimpleCase{"FoldsBackOnItself", Polygon({{0, 0}, {10, 0}, {5, 0}, {5, 5}}), false},
                      SimpleCase{"TwoPointsThereAndBack", Polygon({{0, 0}, {10, 0}}), false},
                      SimpleCase{"VertexTouchesOppositeEdge", Polygon({{0, 0}, {10, 0}, {10, 10}, {5, 0.0005}}), false},
                      SimpleCase{"OpenPath", Polygon({{0, 0}, {10, 0}, {0, 10}}, false), false}),
    [](const auto& info) { return info.param.name; });

const double kCircle10 = std::abs(SignedArea(Circle(0, 0, 10)));

// The lower object inside the top one, in every combination of windings: one top-only face, the top wound
// counter-clockwise around the lower object wound clockwise, made of the sources' own segments.
TEST(CropShortcut, TopAroundHoleInEveryWinding) {
    for (const bool reverseTop : {false, true}) {
        for (const bool reverseUnder : {false, true}) {
            const BezierPath top = Rect(0, 0, 100, 100), under = Circle(40, 60, 10);
            const BezierShape topShape = Shape({reverseTop ? Reversed(top) : top});
            const BezierShape underShape = Shape({reverseUnder ? Reversed(under) : under});
            const CropResult result = Crop(topShape, underShape);
            ASSERT_EQ(result.status, PathfinderStatus::kOk);
            ASSERT_EQ(result.pieces.size(), 2u);
            EXPECT_EQ(result.pieces[0].role, CropRole::kOverlap);
            EXPECT_NEAR(PieceArea(result.pieces[0]), kCircle10, 1e-9);
            const CropPiece& face = result.pieces[1];
            EXPECT_EQ(face.role, CropRole::kTopOnly);
            ASSERT_EQ(face.shape.paths.size(), 2u);
            EXPECT_NEAR(SignedArea(face.shape.paths[0]), 10000.0, 1e-9);
            EXPECT_NEAR(SignedArea(face.shape.paths[1]), -kCircle10, 1e-9);
            EXPECT_EQ(SegmentTotal(face.shape), 8);
            for (const BezierPath& path : face.shape.paths)
                for (const Cubic& s : SegmentsOf(path))
                    EXPECT_TRUE(IsExactSubCurve(s, {&topShape, &underShape}));
        }
    }
}

TEST(CropShortcut, SingleLoopsTakeItUnderEitherFillRule) {
    const BezierShape top = Shape({Rect(0, 0, 100, 100)}, FillRule::kEvenOdd);
    const BezierShape under = Shape({Circle(50, 50, 10)}, FillRule::kEvenOdd);
    const CropResult result = Crop(top, under, {{}, kCropTopOnly});
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    ASSERT_EQ(RoleCount(result, CropRole::kTopOnly), 1);
    EXPECT_EQ(result.pieces[0].shape.fillRule, FillRule::kNonZero);
    EXPECT_NEAR(RoleArea(result, CropRole::kTopOnly), 10000.0 - kCircle10, 1e-9);
}

TEST(CropShortcut, ZeroLengthSegmentsAreLeftOutOfTheFace) {
    const BezierShape top = Shape({Polygon({{0, 0}, {0, 0}, {100, 0}, {100, 100}, {100, 100}, {0, 100}})});
    const CropResult result = Crop(top, Shape({Rect(40, 40, 60, 60)}), {{}, kCropTopOnly});
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    ASSERT_EQ(RoleCount(result, CropRole::kTopOnly), 1);
    EXPECT_EQ(SegmentTotal(result.pieces[0].shape), 8);
    EXPECT_NEAR(RoleArea(result, CropRole::kTopOnly), 9600.0, 1e-9);
}

TEST(CropShortcut, OpenTopIsClosedByItsChordFirst) {
    const BezierShape top = Shape({Polygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, false)});
    const CropResult result = Crop(top, Shape({Rect(40, 40, 60, 60)}));
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    EXPECT_EQ(RoleCount(result, CropRole::kTopOnly), 1);
    EXPECT_NEAR(RoleArea(result, CropRole::kTopOnly), 9600.0, 1e-9);
    EXPECT_NEAR(RoleArea(result, CropRole::kOverlap), 400.0, 1e-9);
}

struct FallbackCase : trimora::test::NamedCase {
    BezierShape top;
    BezierShape under;
    double topOnlyArea;
    int topOnlyPieces;
};

// Inputs whose fill is not the one loop they draw: the face must come from the clipper, with the areas of the
// fills.
std::vector<FallbackCase> FallbackCases() {
    const BezierPath square = Rect(0, 0, 10, 10);
    const BezierPath twice = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const double smallCircle = std::abs(SignedArea(Circle(0, 0, 1)));
    const double star = PentagramOutlineArea(10), centre = PentagramCentreArea(10);
    const BezierShape ring = Shape({Rect(30, 30, 70, 70), Reversed(Rect(40, 40, 60, 60))});
    const BezierShape ringEvenOdd = Shape({Rect(30, 30, 70, 70), Rect(40, 40, 60, 60)}, FillRule::kEvenOdd);
    return {
        {"TopWalkedTwiceNonZero", Shape({twice}), Shape({Circle(5, 5, 1)}), 100 - smallCircle, 1},
        {"PentagramNonZeroAroundCentre", Shape({Pentagram(0, 0, 10)}), Shape({Circle(0, 0, 1)}), star - smallCircle, 1},
        {"PentagramEvenOddAroundTip", Shape({Pentagram(0, 0, 10)}, FillRule::kEvenOdd), Shape({Circle(0, 8, 0.5)}),
         star - centre - std::abs(SignedArea(Circle(0, 0, 0.5))), 5},
        {"RingInside", Shape({Rect(0, 0, 100, 100)}), ring, 10000 - 1200, 2},
        {"RingInsideEvenOdd", Shape({Rect(0, 0, 100, 100)}), ringEvenOdd, 10000 - 1200, 2},
        {"TwoSquaresInsideOneObject", Shape({Rect(0, 0, 100, 100)}),
         Shape({Rect(10, 10, 20, 20), Rect(50, 50, 60, 60)}), 10000 - 200, 1},
        {"BowtieInside", Shape({Rect(-10, -10, 20, 20)}), Shape({Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}})}),
         900 - 50, 1},
        {"CompoundTopAroundSquare", Shape({Rect(0, 0, 40, 40), Rect(100, 0, 110, 10)}), Shape({Rect(10, 10, 20, 20)}),
         1600 + 100 - 100, 2},
        {"SquareInsideSquare", Shape({square}), Shape({Rect(2, 2, 4, 4)}), 96, 1},
    };
}

class CropFallback : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(CropFallback, AreasAndPieces) {
    const FallbackCase& c = GetParam();
    const CropResult result = Crop(c.top, c.under);
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    const double scale = std::max(1.0, c.topOnlyArea);
    EXPECT_NEAR(RoleArea(result, CropRole::kTopOnly), c.topOnlyArea, 1e-6 * scale);
    EXPECT_EQ(RoleCount(result, CropRole::kTopOnly), c.topOnlyPieces);
    // Every face is an outer boundary wound counter-clockwise with its holes wound the other way.
    for (const CropPiece& piece : result.pieces) {
        if (piece.role != CropRole::kTopOnly) continue;
        ASSERT_FALSE(piece.shape.paths.empty());
        EXPECT_GT(SignedArea(piece.shape.paths[0]), 0.0);
        for (std::size_t h = 1; h < piece.shape.paths.size(); ++h)
            EXPECT_LT(SignedArea(piece.shape.paths[h]), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, CropFallback, ::testing::ValuesIn(FallbackCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pathfinder::testing
