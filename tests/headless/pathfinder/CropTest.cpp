// Crop by area and piece count over a table of placements, the area invariant, exact curves, and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/ShapeForms.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"
#include "tests/support/TestSupport.h"

namespace pathfinder::testing {
namespace {

const double kCircle10 = std::abs(SignedArea(Circle(0, 0, 10)));

struct CropCase : trimora::test::NamedCase {
    BezierShape top;
    BezierShape under;
    double overlapArea;
    int overlapPieces;
    double topOnlyArea;
    int topOnlyPieces;
};

std::vector<CropCase> CropCases() {
    const BezierPath square = Rect(0, 0, 10, 10);
    const BezierShape bowtie = Shape({Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}})});
    const BezierShape bowtieEvenOdd = Shape({Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}})}, FillRule::kEvenOdd);
    // A square walked round twice: winding two, filled under non-zero, empty under even-odd.
    const BezierPath twice = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const BezierShape ring = Shape({Rect(0, 0, 10, 10), Reversed(Rect(3, 3, 7, 7))});
    const BezierShape ringEvenOdd = Shape({Rect(0, 0, 10, 10), Rect(3, 3, 7, 7)}, FillRule::kEvenOdd);
    return {
        {"OverlappingSquares", Shape({square}), Shape({Rect(5, 5, 15, 15)}), 25, 1, 75, 1},
        {"SharedEdgeWhole", Shape({square}), Shape({Rect(10, 0, 20, 10)}), 0, 0, 100, 1},
        {"SharedEdgeInPart", Shape({square}), Shape({Rect(10, 5, 20, 20)}), 0, 0, 100, 1},
        {"OverlapAlongSharedEdge", Shape({square}), Shape({Rect(0, 5, 10, 20)}), 50, 1, 50, 1},
        {"IdenticalSquares", Shape({square}), Shape({square}), 100, 1, 0, 0},
        {"IdenticalSquaresOppositeWinding", Shape({square}), Shape({Reversed(square)}), 100, 1, 0, 0},
        {"IdenticalCircles", Shape({Circle(0, 0, 10)}), Shape({Circle(0, 0, 10)}), kCircle10, 1, 0, 0},
        {"TouchingAtCorner", Shape({square}), Shape({Rect(10, 10, 20, 20)}), 0, 0, 100, 1},
        {"CircleInscribedInSquare", Shape({Rect(-10, -10, 10, 10)}), Shape({Circle(0, 0, 10)}), kCircle10, 1,
         400 - kCircle10, 4},
        {"SquareOverInscribedCircle", Shape({Circle(0, 0, 10)}), Shape({Rect(-10, -10, 10, 10)}), kCircle10, 1, 0, 0},
        {"VertexOnOtherOutlineTouching", Shape({square}), Shape({Polygon({{10, 5}, {20, 0}, {20, 10}})}), 0, 0, 100, 1},
        {"VertexOnOtherOutlineCrossing", Shape({square}), Shape({Polygon({{5, 10}, {15, 0}, {15, 10}})}), 12.5, 1, 87.5,
         1},
        {"UnderInsideTop", Shape({Rect(0, 0, 100, 100)}), Shape({Circle(50, 50, 10)}), kCircle10, 1, 10000 - kCircle10,
         1},
        {"TopInsideUnder", Shape({Circle(50, 50, 10)}), Shape({Rect(0, 0, 100, 100)}), kCircle10, 1, 0, 0},
        {"Disjoint", Shape({square}), Shape({Rect(20, 0, 30, 10)}), 0, 0, 100, 1},
        {"DisjointBoxesOverlap", Shape({Polygon({{0, 0}, {10, 0}, {0, 10}})}), Shape({Rect(8, 8, 20, 20)}), 0, 0, 50,
         1},
        {"ZeroLengthSegments", Shape({Polygon({{0, 0}, {0, 0}, {10, 0}, {10, 10}, {10, 10}, {0, 10}, {0, 0}})}),
         Shape({Rect(5, -5, 15, 5)}), 25, 1, 75, 1},
        {"FigureEightNonZero", Shape({Rect(0, 0, 5, 10)}), bowtie, 25, 1, 25, 2},
        {"FigureEightEvenOdd", Shape({Rect(0, 0, 5, 10)}), bowtieEvenOdd, 25, 1, 25, 2},
        {"DoubleLoopNonZero", Shape({Rect(5, -5, 15, 15)}), Shape({twice}), 50, 1, 150, 1},
        {"DoubleLoopEvenOdd", Shape({Rect(5, -5, 15, 15)}), Shape({twice}, FillRule::kEvenOdd), 0, 0, 200, 1},
        {"HoleCutOpen", Shape({Rect(5, -5, 15, 15)}), ring, 42, 1, 158, 2},
        {"HoleKept", Shape({Rect(1, 1, 9, 9)}), ring, 48, 1, 16, 1},
        {"HoleKeptEvenOdd", Shape({Rect(1, 1, 9, 9)}), ringEvenOdd, 48, 1, 16, 1},
        {"NearCoordinateLimit", Shape({Rect(-16000, -16000, 16000, 16000)}), Shape({Rect(15990, -10, 16010, 10)}), 200,
         1, 32000.0 * 32000.0 - 200, 1},
        {"OnePointPath", Shape({square}), Shape({Polygon({{5, 5}})}), 0, 0, 100, 1},
        {"TwoPointPath", Shape({square}), Shape({Polygon({{5, 5}, {15, 5}})}), 0, 0, 100, 1},
        {"ThreePointPath", Shape({square}), Shape({Polygon({{5, 5}, {15, 5}, {15, 15}})}), 12.5, 1, 87.5, 1},
        {"OpenPathFilledAsClosed", Shape({square}), Shape({Polygon({{5, 5}, {15, 5}, {15, 15}}, false)}), 12.5, 1, 87.5,
         1},
    };
}

class CropTable : public ::testing::TestWithParam<CropCase> {};

TEST_P(CropTable, AreasAndPieces) {
    const CropCase& c = GetParam();
    const CropResult result = Crop(c.top, c.under);
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    const double scale = std::max(1.0, c.overlapArea + c.topOnlyArea);
    EXPECT_NEAR(RoleArea(result, CropRole::kOverlap), c.overlapArea, 1e-6 * scale);
    EXPECT_NEAR(RoleArea(result, CropRole::kTopOnly), c.topOnlyArea, 1e-6 * scale);
    EXPECT_EQ(RoleCount(result, CropRole::kOverlap), c.overlapPieces);
    EXPECT_EQ(RoleCount(result, CropRole::kTopOnly), c.topOnlyPieces);
    // Overlap pieces come first.
    bool seenTopOnly = false;
    for (const CropPiece& p : result.pieces) {
        if (p.role == CropRole::kTopOnly) seenTopOnly = true;
        EXPECT_FALSE(seenTopOnly && p.role == CropRole::kOverlap);
    }
}

TEST_P(CropTable, OverlapAndRestMakeUpTheLowerObject) {
    const CropCase& c = GetParam();
    const CropResult overlap = Crop(c.top, c.under, {{}, kCropOverlap});
    const CropResult rest = Crop(c.under, c.top, {{}, kCropTopOnly});
    ASSERT_EQ(overlap.status, PathfinderStatus::kOk);
    ASSERT_EQ(rest.status, PathfinderStatus::kOk);
    const CropResult whole = Crop(c.under, c.under, {{}, kCropOverlap});
    const double area = RoleArea(whole, CropRole::kOverlap);
    EXPECT_NEAR(RoleArea(overlap, CropRole::kOverlap) + RoleArea(rest, CropRole::kTopOnly), area,
                1e-6 * std::max(1.0, area));
}

TEST_P(CropTable, CurvesAreExactPiecesOfTheSources) {
    const CropCase& c = GetParam();
    const CropResult result = Crop(c.top, c.under);
    // Open paths are cut as filled, that is closed by a straight segment.
    const BezierShape top = FilledForm(c.top), under = FilledForm(c.under);
    for (const CropPiece& piece : result.pieces)
        for (const BezierPath& path : piece.shape.paths)
            for (const Cubic& segment : SegmentsOf(path))
                EXPECT_TRUE(IsExactSubCurve(segment, {&top, &under}))
                    << segment.p0.x << "," << segment.p0.y << " -> " << segment.p3.x << "," << segment.p3.y;
}

INSTANTIATE_TEST_SUITE_P(Placements, CropTable, ::testing::ValuesIn(CropCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CropCurves, CircleHalvedByRectangleKeepsItsCubics) {
    const BezierShape circle = Shape({Circle(0, 0, 10)});
    const CropResult result = Crop(Shape({Rect(0, -20, 20, 20)}), circle);
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    ASSERT_EQ(RoleCount(result, CropRole::kOverlap), 1);
    const BezierShape& half = result.pieces[0].shape;
    EXPECT_NEAR(std::abs(SignedArea(half)), kCircle10 / 2, 1e-9);
    int curves = 0, lines = 0;
    for (const Cubic& s : SegmentsOf(half.paths.at(0)))
        (s.IsStraight() ? lines : curves)++;
    EXPECT_EQ(curves, 2);
    EXPECT_EQ(lines, 1);
}

TEST(CropCurves, OffCentreCutMeetsWithoutGaps) {
    const BezierShape circle = Shape({Circle(3, 1, 10)});
    const CropResult result = Crop(Shape({Rect(0.3, -20, 20, 20)}), circle);
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    for (const CropPiece& piece : result.pieces) {
        for (const BezierPath& path : piece.shape.paths) {
            // The cut lies exactly on x = 0.3 at both ends.
            for (const Anchor& a : path.anchors) {
                if (std::abs(a.p.x - 0.3) < 1e-3) {
                    EXPECT_NEAR(a.p.x, 0.3, 1e-9);
                }
            }
        }
    }
}

TEST(CropFailures, NonFiniteCoordinatesAreAnErrorNotAnEmptyResult) {
    const CropResult result = Crop(Shape({Rect(0, 0, 10, 10)}), Shape({Polygon({{0, 0}, {std::nan(""), 1}, {5, 5}})}));
    EXPECT_EQ(result.status, PathfinderStatus::kInvalidInput);
    EXPECT_TRUE(result.pieces.empty());
}

}  // namespace
}  // namespace pathfinder::testing
