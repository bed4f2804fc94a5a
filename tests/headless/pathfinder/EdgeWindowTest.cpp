// A large region crossed by small shapes near its edges and corners: the clipper run on the window's part of the
// region gives the rings a run on the whole region gives, and Crop's pieces make up both objects and cover exactly
// the points each role should. Seeded shapes centred on edges and on corners, touching the edge from either side,
// lying along it, over regions wound either way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "headless/pathfinder/ClipperBridge.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/EdgeWindow.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"

namespace pathfinder::testing {
namespace {

using ClipperLib::Path;

BezierPath Star(int spikes, bool counterClockwise) {
    BezierPath star;
    star.closed = true;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = (counterClockwise ? 1 : -1) * i * std::numbers::pi / spikes, r = i % 2 ? 250 : 400;
        star.anchors.push_back(Anchor::Corner({r * std::cos(a), r * std::sin(a)}));
    }
    return star;
}

// The kinds of small shape: across an edge, touching it from one side, a square with one side along it, a box.
enum Kind { kAcross, kTouching, kAlong, kBox, kKinds };

// A small shape near point p of an edge running along unit direction d (normal n to its left).
BezierPath ShapeNear(std::mt19937& rng, int kind, Point p, Point d, Point n) {
    std::uniform_real_distribution<double> size(2, 20), shift(-1, 1);
    const double r = size(rng);
    switch (kind) {
        case kAcross:
            return Circle(p.x + shift(rng) * r * n.x, p.y + shift(rng) * r * n.y, r);
        case kTouching: {
            const double s = rng() % 2 ? r : -r;
            return Circle(p.x + s * n.x, p.y + s * n.y, r);
        }
        case kAlong: {
            const double s = rng() % 2 ? r : -r;
            return Polygon({p,
                            {p.x + r * d.x, p.y + r * d.y},
                            {p.x + r * d.x + s * n.x, p.y + r * d.y + s * n.y},
                            {p.x + s * n.x, p.y + s * n.y}});
        }
        default:
            return Rect(p.x - r, p.y - r / 2, p.x + r, p.y + r / 2);
    }
}

// How far, in clipper units, a vertex may lie off the line through its neighbours and still count as on it.
constexpr double kRoundingReach = 2;

// Rings in a canonical order, each starting at its least point, without vertices on (within rounding of) a straight
// line through their neighbours: where edges of both objects run along each other, the clipper may keep such a point
// or not, and where along the line it lands follows the rounding of the edges it was given.
std::vector<Path> Rings(ClipperLib::PolyTree& tree) {
    std::vector<Path> rings;
    ClipperLib::PolyNode* node = tree.GetFirst();
    for (; node; node = node->GetNext()) {
        Path ring;
        const Path& contour = node->Contour;
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const auto &a = contour[(i + contour.size() - 1) % contour.size()], &b = contour[i],
                       &c = contour[(i + 1) % contour.size()];
            const double cross = static_cast<double>(b.X - a.X) * static_cast<double>(c.Y - a.Y) -
                                 static_cast<double>(b.Y - a.Y) * static_cast<double>(c.X - a.X);
            const double chord = std::hypot(static_cast<double>(c.X - a.X), static_cast<double>(c.Y - a.Y));
            if (std::abs(cross) > kRoundingReach * chord) ring.push_back(b);
        }
        std::rotate(
            ring.begin(),
            std::min_element(ring.begin(), ring.end(),
                             [](const auto& a, const auto& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); }),
            ring.end());
        rings.push_back(std::move(ring));
    }
    std::sort(rings.begin(), rings.end(), [](const Path& a, const Path& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](const auto& p, const auto& q) {
            return p.X < q.X || (p.X == q.X && p.Y < q.Y);
        });
    });
    return rings;
}

// The window's rings are the whole run's; where a hole touches its outer ring along an edge, the clipper may give
// it as a ring of its own or as a notch in the outer one, and then the two must at least fill the same area.
void ExpectSameRings(ClipperLib::PolyTree& window, ClipperLib::PolyTree& whole, int c) {
    const std::vector<Path> windowRings = Rings(window), wholeRings = Rings(whole);
    if (windowRings == wholeRings) return;
    auto areaAndLength = [](const std::vector<Path>& rings) {
        double area = 0, length = 0;
        for (const Path& ring : rings) {
            area += ClipperLib::Area(ring);
            for (std::size_t i = 0; i < ring.size(); ++i) {
                const auto &a = ring[i], &b = ring[(i + 1) % ring.size()];
                length += std::hypot(static_cast<double>(b.X - a.X), static_cast<double>(b.Y - a.Y));
            }
        }
        return std::pair{area, length};
    };
    const auto [windowArea, windowLength] = areaAndLength(windowRings);
    const auto [wholeArea, wholeLength] = areaAndLength(wholeRings);
    EXPECT_NE(windowRings.size(), wholeRings.size()) << "case " << c << ": the same rings but for their vertices";
    EXPECT_NEAR(windowArea, wholeArea, kRoundingReach * std::max(windowLength, wholeLength)) << "case " << c;
}

bool InsideAny(const CropResult& result, CropRole role, Point p) {
    return std::any_of(result.pieces.begin(), result.pieces.end(),
                       [&](const CropPiece& piece) { return piece.role == role && IsInsideFill(piece.shape, p); });
}

// The pieces make up both objects, each sampled point lies in the piece its place calls for, and every piece's
// curves are exact pieces of the sources'.
void ExpectPiecesMakeUpBoth(const BezierShape& region, const BezierShape& shape, std::mt19937& rng, int c) {
    const CropResult cut = Crop(region, shape);
    const CropResult rest = Crop(shape, region, {{}, kCropTopOnly});
    ASSERT_EQ(cut.status, PathfinderStatus::kOk) << "case " << c;
    ASSERT_EQ(rest.status, PathfinderStatus::kOk) << "case " << c;
    const double regionArea = std::abs(SignedArea(region)), shapeArea = std::abs(SignedArea(shape));
    const double overlapArea = RoleArea(cut, CropRole::kOverlap);
    EXPECT_NEAR(overlapArea + RoleArea(cut, CropRole::kTopOnly), regionArea, 1e-6 * shapeArea) << "case " << c;
    EXPECT_NEAR(overlapArea + RoleArea(rest, CropRole::kTopOnly), shapeArea, 1e-6 * shapeArea) << "case " << c;
    const Box box = ControlBounds(shape);
    std::uniform_real_distribution<double> x(box.minX - 2, box.maxX + 2), y(box.minY - 2, box.maxY + 2);
    for (int s = 0; s < 40; ++s) {
        const Point p{x(rng), y(rng)};
        auto expected = [&](Point q) {
            return std::pair{IsInsideFill(region, q) && IsInsideFill(shape, q),
                             IsInsideFill(region, q) && !IsInsideFill(shape, q)};
        };
        // Points too near an outline to call are left out.
        constexpr double kNear = 1e-3;
        if (expected(p) != expected({p.x + kNear, p.y}) || expected(p) != expected({p.x, p.y + kNear}) ||
            expected(p) != expected({p.x - kNear, p.y}) || expected(p) != expected({p.x, p.y - kNear}))
            continue;
        EXPECT_EQ(InsideAny(cut, CropRole::kOverlap, p), expected(p).first) << "case " << c;
        EXPECT_EQ(InsideAny(cut, CropRole::kTopOnly, p), expected(p).second) << "case " << c;
    }
    for (const CropResult* result : {&cut, &rest})
        for (const CropPiece& piece : result->pieces)
            for (const BezierPath& path : piece.shape.paths)
                for (const Cubic& segment : SegmentsOf(path))
                    EXPECT_TRUE(IsExactSubCurve(segment, {&region, &shape})) << "case " << c;
}

TEST(EdgeWindow, PiecesThroughTheWindowOfALargeRegionAreThoseOfTheWholeRegion) {
    std::mt19937 rng(1414);
    std::uniform_real_distribution<double> along(0.0, 1.0);
    int windowed = 0;
    for (int c = 0; c < 80; ++c) {
        const BezierShape region = Shape({Star(8 + static_cast<int>(rng() % 40), c % 2 == 0)},
                                         c % 3 == 0 ? FillRule::kEvenOdd : FillRule::kNonZero);
        const std::vector<Anchor>& a = region.paths[0].anchors;
        const std::size_t i = rng() % a.size();
        const Point from = a[i].p, to = a[(i + 1) % a.size()].p;
        const double length = Distance(from, to), t = c % 7 == 0 ? 0.0 : along(rng);
        const Point d{(to.x - from.x) / length, (to.y - from.y) / length}, n{-d.y, d.x};
        const int kind = c % kKinds;
        const Point p{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
        const BezierShape shape = Shape({ShapeNear(rng, kind, p, d, n)});

        // The window's run against the whole run, ring for ring.
        std::vector<FlatPath> flats;
        const Tolerances tolerances;
        FlattenPair(region, shape, tolerances.flatten, tolerances.clipperScale, flats);
        ClipperLib::PolyTree overlap, topOnly, wholeOverlap, wholeTopOnly;
        const auto nonZero = ClipperLib::pftNonZero;
        const auto regionRule = region.fillRule == FillRule::kEvenOdd ? ClipperLib::pftEvenOdd : nonZero;
        if (WindowPartOfTop(flats) && ClipAreas(flats, region.fillRule, FillRule::kNonZero, &overlap, &topOnly)) {
            ++windowed;
            ClipperLib::Clipper whole;
            whole.PreserveCollinear(true);
            whole.StrictlySimple(true);
            for (const FlatPath& f : flats)
                whole.AddPath(f.points, f.object == 0 ? ClipperLib::ptSubject : ClipperLib::ptClip, true);
            ASSERT_TRUE(whole.Execute(ClipperLib::ctIntersection, wholeOverlap, regionRule, nonZero));
            ASSERT_TRUE(whole.Execute(ClipperLib::ctDifference, wholeTopOnly, regionRule, nonZero));
            ExpectSameRings(overlap, wholeOverlap, c);
            ExpectSameRings(topOnly, wholeTopOnly, c);
        }

        ExpectPiecesMakeUpBoth(region, shape, rng, c);
    }
    EXPECT_GT(windowed, 40);
}

// Shapes aligned to a rectangular region, as in drawings clipped to a frame: boxes with a side along one of its
// edges or a corner on one of its corners, inside or outside, some running past the corner; circles resting on an
// edge; and circles resting on a round region from inside or outside.
TEST(EdgeWindow, ShapesSharingARegionsEdgesCornersOrTangentsAreCutExactly) {
    std::mt19937 rng(1415);
    std::uniform_real_distribution<double> unit(0.0, 1.0), size(2, 30);
    const BezierShape frame = Shape({Rect(-200, -150, 200, 150)});
    const BezierShape disc = Shape({Circle(0, 0, 150)});
    for (int c = 0; c < 48; ++c) {
        const double w = size(rng), h = size(rng), inward = rng() % 2 ? 1.0 : -1.0;
        // A point on the frame's bottom edge (x0 on it), or its lower left corner; now and then a map taking the
        // frame onto itself with its bottom edge on its right one puts shapes on another edge.
        const double x0 = c % 4 == 0 ? -200.0 : -200.0 + 400.0 * unit(rng);
        BezierPath path;
        const BezierShape* region = &frame;
        switch (c % 3) {
            case 0:
                path = Rect(x0, -150, x0 + w, -150 + inward * h);
                break;
            case 1: {
                const double r = w / 2;
                path = Circle(x0, -150 + inward * r, r);
                break;
            }
            default: {
                const double r = w / 2, a = 2 * std::numbers::pi * unit(rng), d = 150 + inward * r;
                path = Circle(d * std::cos(a), d * std::sin(a), r);
                region = &disc;
            }
        }
        if (region == &frame && rng() % 2)
            for (Anchor& anchor : path.anchors)
                for (Point* q : {&anchor.p, &anchor.in, &anchor.out})
                    *q = {-q->y * 200.0 / 150.0, q->x * 150.0 / 200.0};
        ExpectPiecesMakeUpBoth(*region, Shape({path}), rng, c);
    }
}

// Curves that nearly touch, where the polygons' crossings lie off the curves' own: a circle resting in a star's
// notch, which its polygon crosses at the notch's corner and its curve only further along the next edge; circles
// resting inside a round region, whose polygons cross it twice where the curves do not cross at all.
TEST(EdgeWindow, ShapesNearlyTouchingARegionAreCutWhereTheirCurvesCross) {
    std::mt19937 rng(1416);
    const BezierShape star = Shape({Star(35, false)});
    ExpectPiecesMakeUpBoth(star, Shape({Circle(232.29825759354335, -99.849648798913449, 11.14065891943347)}), rng, 0);
    const BezierShape disc = Shape({Circle(0, 0, 150)});
    ExpectPiecesMakeUpBoth(disc, Shape({Circle(101.4924541490295, -99.369427617440451, 7.96126797872844)}), rng, 1);
    ExpectPiecesMakeUpBoth(disc, Shape({Circle(97.302898806906853, -96.469608586319907, 12.980879082425417)}), rng, 2);
}

TEST(EdgeWindow, OnlyRingsThatNeverMeetThemselvesAreSimple) {
    EXPECT_TRUE(IsSimpleRing({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    EXPECT_FALSE(IsSimpleRing({{0, 0}, {10, 10}, {10, 0}, {0, 10}}));               // a bow tie
    EXPECT_FALSE(IsSimpleRing({{0, 0}, {10, 0}, {5, 5}, {10, 10}, {5, 5}}));        // back through a vertex
    EXPECT_FALSE(IsSimpleRing({{0, 0}, {10, 0}, {20, 0}, {15, 0}, {10, 10}}));      // folding back along itself
    EXPECT_FALSE(IsSimpleRing({{0, 0}, {10, 0}, {10, 10}, {5, 0}}));                // a vertex on another edge
    EXPECT_FALSE(IsSimpleRing({{0, 0}, {ClipperLib::cInt{1} << 40, 0}, {0, 10}}));  // beyond exact arithmetic
}

}  // namespace
}  // namespace pathfinder::testing
