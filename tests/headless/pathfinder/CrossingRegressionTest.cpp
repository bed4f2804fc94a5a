// Crossings refined on the curves: shapes of the benchmark documents whose pieces once met at slightly different
// points or ran past a crossing, and the refinement itself far from the origin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/pathfinder/Contact.h"
#include "headless/pathfinder/Outline.h"
#include "headless/pathfinder/PathParams.h"
#include "headless/pathfinder/Refine.h"
#include "headless/svg/PathShapes.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"

namespace pathfinder::testing {
namespace {

BezierShape Parse(const char* data) {
    return headless::svg::ShapeOfPathData(data, FillRule::kNonZero);
}

const char* const kCircleRegion =
    "M 800 500 C 800 665.685424949238 665.685424949238 800 500 800 C 334.31457505076196 800 200 665.685424949238 200 "
    "500 C 200 334.31457505076196 334.31457505076196 200 500 200 C 665.685424949238 200 800 334.31457505076196 800 500 "
    "Z";
const char* const kStarRegion =
    "M 500 200 L 565.083 364.855 L 734.549 312.953 L 646.239 466.622 L 792.478 566.756 L 617.275 593.523 L 630.165 "
    "770.291 L 500 650 L 369.835 770.291 L 382.725 593.523 L 207.522 566.756 L 353.761 466.622 L 265.451 312.953 L "
    "434.917 364.855 Z";

std::vector<Point> AnchorsOf(const CropResult& result, CropRole role) {
    std::vector<Point> anchors;
    for (const CropPiece& p : result.pieces)
        if (p.role == role)
            for (const BezierPath& path : p.shape.paths)
                for (const Anchor& a : path.anchors)
                    anchors.push_back(a.p);
    return anchors;
}

bool Contains(const std::vector<Point>& points, Point p) {
    for (const Point& q : points)
        if (q == p) return true;
    return false;
}

bool IsAnchorOf(const BezierShape& shape, Point p) {
    for (const BezierPath& path : shape.paths)
        for (const Anchor& a : path.anchors)
            if (a.p == p) return true;
    return false;
}

// The overlap and the top-only pieces split the top object, meeting at the very same crossing points; the same
// holds with the two objects swapped.
void ExpectExactSplit(const BezierShape& top, const BezierShape& under) {
    for (const auto& [a, b] : {std::pair{&top, &under}, std::pair{&under, &top}}) {
        const CropResult r = Crop(*a, *b);
        ASSERT_EQ(r.status, PathfinderStatus::kOk);
        ASSERT_GT(RoleCount(r, CropRole::kOverlap), 0);
        ASSERT_GT(RoleCount(r, CropRole::kTopOnly), 0);
        const double whole = std::abs(SignedArea(*a));
        EXPECT_NEAR(RoleArea(r, CropRole::kOverlap) + RoleArea(r, CropRole::kTopOnly), whole, 1e-6 * SignedArea(under));
        const std::vector<Point> topOnly = AnchorsOf(r, CropRole::kTopOnly);
        for (const Point& p : AnchorsOf(r, CropRole::kOverlap)) {
            if (IsAnchorOf(*a, p) || IsAnchorOf(*b, p)) continue;
            EXPECT_TRUE(Contains(topOnly, p)) << "crossing " << p.x << ", " << p.y << " is not shared";
        }
    }
}

TEST(CrossingRegressionTest, CropBlobS2042SplitsTheCircleExactly) {
    ExpectExactSplit(
        Parse(kCircleRegion),
        Parse("M 428.089 206.434 C 428.045 207.542 427.273 208.246 426.412 208.77 C 425.64 209.241 424.169 "
              "210.185 422.981 209.456 C 421.921 208.806 421.431 207.683 421.351 206.563 C 421.246 205.09 "
              "422.452 204.152 423.428 203.615 C 424.424 203.066 425.135 203.555 426.03 203.985 C 427.006 "
              "204.454 428.125 205.514 428.089 206.434 Z"));
}

TEST(CrossingRegressionTest, CropCircleS5219SplitsTheCircleExactly) {
    ExpectExactSplit(Parse(kCircleRegion),
                     Parse("M 201.387 525.185 C 201.387 528.252 198.9 530.739 195.832 530.739 C 192.765 530.739 "
                           "190.278 528.252 190.278 525.185 C 190.278 522.117 192.765 519.63 195.832 519.63 C 198.9 "
                           "519.63 201.387 522.117 201.387 525.185 Z"));
}

// The curve leaves the star by 0.045 pt and comes back just before its end: the excursion is the one visible
// piece, and it ends where the star's outline is cut.
TEST(CrossingRegressionTest, OutlineCurveS7562KeepsOnlyItsExcursionOutside) {
    const BezierShape region = Parse(kStarRegion);
    const BezierShape curve = Parse(
        "M 623.372 755.077 C 624.569 752.969 624.71 753.341 623.113 750.876 C 621.515 748.411 629.367 748.17 628.587 "
        "748.877");
    const OutlineResult r = Outline(region, curve);
    ASSERT_EQ(r.status, PathfinderStatus::kOk);
    std::vector<Point> topEnds;
    std::vector<BezierPath> visible;
    for (const OutlinePiece& p : r.pieces) {
        if (p.source == OutlineSource::kTop) {
            topEnds.push_back(p.path.anchors.front().p);
            topEnds.push_back(p.path.anchors.back().p);
        } else {
            visible.push_back(p.path);
        }
    }
    ASSERT_EQ(visible.size(), 1u);
    const BezierPath& piece = visible[0];
    for (const Point end : {piece.anchors.front().p, piece.anchors.back().p}) {
        double nearest = 1e300;
        for (const Point& q : topEnds)
            nearest = std::min(nearest, Distance(q, end));
        EXPECT_LT(nearest, 1e-9);
    }
    for (int k = 1; k < 16; ++k)
        EXPECT_FALSE(IsInsideFill(region, PointAt(piece, static_cast<double>(SegmentCount(piece)) * k / 16))) << k;
    const double length = Distance(piece.anchors.front().p, piece.anchors.back().p);
    EXPECT_GT(length, 0.1);
    EXPECT_LT(length, 0.2);
}

// Far from the origin the gap between the two curves cannot shrink below a few units in the last place; the
// refinement still has to land on the crossing rather than settle for the points nearest its first guess.
TEST(CrossingRegressionTest, RefineCrossingConvergesFarFromTheOrigin) {
    for (const double offset : {0.0, 700.0, 70000.0}) {
        const BezierPath line = Polygon({{offset - 10, offset}, {offset + 10, offset}}, false);
        BezierPath curve;
        curve.anchors = {Anchor{{offset - 3, offset - 5}, {}, {offset + 6, offset - 1}},
                         Anchor{{offset + 4, offset + 5}, {offset - 2, offset + 2}, {}}};
        curve.anchors[0].in = curve.anchors[0].p;
        curve.anchors[1].out = curve.anchors[1].p;
        PathParam ua = 0.52, ub = 0.5;
        const Point guess = PointAt(line, ua);
        const Point p = RefineCrossing(line, ua, curve, ub, guess, 5.0);
        EXPECT_NEAR(p.y, offset, 1e-9) << offset;
        EXPECT_LT(Distance(PointAt(curve, ub), p), 1e-9) << offset;
        EXPECT_LT(Distance(PointAt(line, ua), p), 1e-9) << offset;
    }
}

}  // namespace
}  // namespace pathfinder::testing
