// Outline by piece count and length over a table of placements, exact curves, and the clipper's open-path fault.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "headless/pathfinder/ClipperBridge.h"
#include "headless/pathfinder/LineIntervals.h"
#include "headless/pathfinder/Outline.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"
#include "tests/support/TestSupport.h"

namespace pathfinder::testing {
namespace {

// Arc length by Gauss-Legendre on halves until it settles.
double Length(const Cubic& c, int depth = 0) {
    constexpr double kNodes[] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563, 0.8611363115940526};
    constexpr double kWeights[] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461, 0.3478548451374538};
    auto gauss = [&](const Cubic& k) {
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) {
            const Point d = k.Derivative(0.5 * (kNodes[i] + 1.0));
            sum += kWeights[i] * std::hypot(d.x, d.y);
        }
        return 0.5 * sum;
    };
    Cubic left, right;
    c.Split(0.5, left, right);
    const double whole = gauss(c), halves = gauss(left) + gauss(right);
    if (std::abs(whole - halves) < 1e-12 * std::max(1.0, whole) || depth > 20) return halves;
    return Length(left, depth + 1) + Length(right, depth + 1);
}

double Length(const BezierPath& path) {
    double sum = 0.0;
    for (const Cubic& c : SegmentsOf(path))
        sum += Length(c);
    return sum;
}

const double kCirclePerimeter = Length(Circle(0, 0, 10));

struct OutlineCase : trimora::test::NamedCase {
    BezierShape top;
    BezierShape under;
    bool topFilled;
    int topPieces;
    double topLength;
    int underPieces;
    double underLength;
};

std::vector<OutlineCase> OutlineCases() {
    const BezierShape square = Shape({Rect(0, 0, 10, 10)});
    const BezierShape ring = Shape({Rect(0, 0, 10, 10), Reversed(Rect(3, 3, 7, 7))});
    const BezierShape line = Shape({Polygon({{-5, 5}, {15, 5}}, false)});
    BezierPath loop;
    loop.anchors = {Anchor{{30, 0}, {30, 0}, {40, 10}}, Anchor{{30.00001, 0}, {20, 10}, {30.00001, 0}}};
    return {
        {"CircleHalfUnderFill", Shape({Rect(0, -20, 20, 20)}), Shape({Circle(0, 0, 10)}), true, 2, 120, 1,
         kCirclePerimeter / 2},
        {"CircleHalfUnfilledTop", Shape({Rect(0, -20, 20, 20)}), Shape({Circle(0, 0, 10)}), false, 2, 120, 2,
         kCirclePerimeter},
        {"LineThroughSquare", square, line, true, 2, 40, 2, 10},
        {"LineThroughSquareUnfilled", square, line, false, 2, 40, 3, 20},
        {"LineThroughHole", ring, line, true, 4, 56, 3, 14},
        {"CutClosedPathJoinedAtItsStart", Shape({Rect(-5, -5, 5, 5)}), square, false, 2, 40, 2, 40},
        {"CutClosedPathJoinedAtItsStartFilled", Shape({Rect(-5, -5, 5, 5)}), square, true, 2, 40, 1, 30},
        {"UnderInsideTopHidden", Shape({Rect(-20, -20, 20, 20)}), Shape({Circle(0, 0, 10)}), true, 1, 160, 0, 0},
        {"UnderInsideUnfilledTop", Shape({Rect(-20, -20, 20, 20)}), Shape({Circle(0, 0, 10)}), false, 1, 160, 1,
         kCirclePerimeter},
        {"Disjoint", square, Shape({Rect(20, 0, 30, 10)}), true, 1, 40, 1, 40},
        {"OpenPathsNeverClosed", Shape({Polygon({{0, 0}, {10, 0}, {10, 10}}, false)}), Shape({Rect(2, -5, 8, 5)}), true,
         3, 20, 2, 22},
        {"VertexOnOtherOutline", square, Shape({Polygon({{5, 10}, {15, 0}, {15, 10}}, false)}), true, 1, 40, 1,
         std::hypot(5, 5) + 10},
        {"ZeroLengthSegments", square, Shape({Polygon({{-5, 5}, {-5, 5}, {15, 5}, {15, 5}}, false)}), true, 2, 40, 2,
         10},
        {"OnePointPath", square, Shape({Polygon({{5, 5}})}), true, 1, 40, 0, 0},
        // Apart from the top: whole paths, kept or dropped by their length, not by how many anchors differ.
        {"ApartLoopFromOnePoint", square, Shape({loop}), true, 1, 40, 1, Length(SegmentsOf(loop)[0])},
        {"ApartPointTwice", square, Shape({Polygon({{30, 30}, {30, 30}}, false)}), true, 1, 40, 0, 0},
        // Doubled back on itself: the clipper reports the crossings of one pass only where both passes coincide.
        {"TwoPointClosedPath", square, Shape({Polygon({{-5, 5}, {15, 5}})}), false, 2, 40, 3, 40},
        {"FigureEightNotCutAtItsOwnCrossing", Shape({Rect(-20, -20, 20, 20)}),
         Shape({Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}})}), false, 1, 160, 1, 20 + 2 * std::hypot(10, 10)},
        {"NearCoordinateLimit", Shape({Rect(15000, -16000, 16000, 16000)}),
         Shape({Polygon({{14990, 15990}, {16010, 15990}}, false)}), true, 2, 66000, 2, 20},
    };
}

class OutlineTable : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineTable, PiecesAndLengths) {
    const OutlineCase& c = GetParam();
    const OutlineResult result = Outline(c.top, c.under, {{}, c.topFilled});
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    int counts[2] = {0, 0};
    double lengths[2] = {0, 0};
    for (const OutlinePiece& p : result.pieces) {
        const int side = p.source == OutlineSource::kTop ? 0 : 1;
        ++counts[side];
        lengths[side] += Length(p.path);
        EXPECT_GT(Length(p.path), 1e-3) << "sliver";
    }
    EXPECT_EQ(counts[0], c.topPieces);
    EXPECT_EQ(counts[1], c.underPieces);
    EXPECT_NEAR(lengths[0], c.topLength, 1e-6 * std::max(1.0, c.topLength));
    EXPECT_NEAR(lengths[1], c.underLength, 1e-6 * std::max(1.0, c.underLength));
}

TEST_P(OutlineTable, CurvesAreExactAndCutsMeet) {
    const OutlineCase& c = GetParam();
    const OutlineResult result = Outline(c.top, c.under, {{}, false});
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    std::vector<Point> topEnds;
    for (const OutlinePiece& p : result.pieces) {
        for (const Cubic& s : SegmentsOf(p.path))
            EXPECT_TRUE(IsExactSubCurve(s, {&c.top, &c.under}));
        if (p.source == OutlineSource::kTop && !p.path.closed) {
            topEnds.push_back(p.path.anchors.front().p);
            topEnds.push_back(p.path.anchors.back().p);
        }
    }
    // Every cut in the lower object's outline is a cut in the top one's, at the same point.
    for (const OutlinePiece& p : result.pieces) {
        if (p.source != OutlineSource::kUnder || p.path.closed) continue;
        for (const Point end : {p.path.anchors.front().p, p.path.anchors.back().p}) {
            const BezierPath& source = c.under.paths[static_cast<std::size_t>(p.pathIndex)];
            if (!source.closed && (end == source.anchors.front().p || end == source.anchors.back().p)) continue;
            double nearest = 1e300;
            for (const Point t : topEnds)
                nearest = std::min(nearest, Distance(t, end));
            EXPECT_LT(nearest, 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Placements, OutlineTable, ::testing::ValuesIn(OutlineCases()),
                         [](const auto& info) { return info.param.name; });

// Debian's Clipper 1 returns this open path, clipped by a region holding all of it, with its first two vertices
// swapped (length 123.3 instead of 143.3); the interval it covers is still the whole path.
TEST(ClipperOpenPathFault, M380_500_L400_500_L300_499_L310_520) {
    const BezierShape line = Shape({Polygon({{380, 500}, {400, 500}, {300, 499}, {310, 520}}, false)});
    const BezierShape region = Shape({Rect(0, 0, 1000, 1000)});
    std::vector<FlatPath> flats;
    FlattenShape(region, 0, {kFlattenTolerance, kClipperScale, Box::Empty()}, flats);
    FlattenShape(line, 1, {kFlattenTolerance, kClipperScale, Box::Empty()}, flats);
    const PolylineIndex index(flats, {&region, &line});
    RingMapper mapper(index, Tolerances{});
    ClipperLib::PolyTree tree;
    ASSERT_TRUE(ClipLines({OpenPolyline(flats[1])}, {flats[0]}, FillRule::kNonZero, &tree, nullptr));
    std::vector<Interval> intervals;
    ASSERT_TRUE(CollectIntervals(tree, mapper, 1, intervals));
    ASSERT_EQ(intervals.size(), 1u);
    EXPECT_EQ(intervals[0].from, 0.0);
    EXPECT_EQ(intervals[0].to, 3.0);
    // And through the whole operation, with a crossing so that the clipper runs.
    const BezierShape crossing = Shape({Rect(0, 0, 1000, 510)});
    const OutlineResult result = Outline(crossing, line, {{}, false});
    ASSERT_EQ(result.status, PathfinderStatus::kOk);
    double underLength = 0.0;
    for (const OutlinePiece& p : result.pieces)
        if (p.source == OutlineSource::kUnder) underLength += Length(p.path);
    EXPECT_NEAR(underLength, 20 + std::hypot(100, 1) + std::hypot(10, 21), 1e-9);
}

TEST(OutlineFailures, NonFiniteCoordinatesAreAnError) {
    const OutlineResult result = Outline(Shape({Rect(0, 0, 10, 10)}), Shape({Polygon({{0, 0}, {INFINITY, 1}}, false)}));
    EXPECT_EQ(result.status, PathfinderStatus::kInvalidInput);
}

}  // namespace
}  // namespace pathfinder::testing
