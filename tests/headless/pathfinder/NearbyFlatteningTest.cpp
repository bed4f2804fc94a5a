// Crop where only the stretches of each outline near the other object are flattened finely: seeded random shapes
// on detailed regions, shapes that touch a region exactly at the edge of their bounds, and shapes whose bounds end
// just short of the region. Checked against the inputs themselves: areas add up, and a point lies in a piece
// exactly when it lies in the inputs the piece stands for.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "headless/pathfinder/Contact.h"
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"
#include "headless/pathfinder/ShapeForms.h"
#include "tests/headless/pathfinder/CurveChecks.h"
#include "tests/headless/pathfinder/ShapeFixtures.h"

namespace pathfinder::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// A closed loop of n cubic arcs around (cx, cy) whose radius wavers by up to `waver`: many more segments than the
// shapes it is cut with, each one curved.
BezierPath WavyLoop(double cx, double cy, double r, int n, double waver, std::mt19937& rng) {
    std::uniform_real_distribution<double> jitter(-waver, waver);
    BezierPath path;
    path.closed = true;
    const double step = 2 * kPi / n, handle = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < n; ++i) {
        const double a = i * step, radius = r + jitter(rng);
        const Point dir{std::cos(a), std::sin(a)}, tangent{-std::sin(a), std::cos(a)};
        const Point p{cx + radius * dir.x, cy + radius * dir.y};
        const double h = handle * radius;
        path.anchors.push_back(
            Anchor{p, {p.x - h * tangent.x, p.y - h * tangent.y}, {p.x + h * tangent.x, p.y + h * tangent.y}});
    }
    return path;
}

// A random small shape centred on at: a circle, a convex polygon or a blob of curves.
BezierShape ShapeAround(Point at, double size, std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    const int kind = static_cast<int>(rng() % 3);
    if (kind == 0) return Shape({Circle(at.x, at.y, size)});
    BezierPath path;
    path.closed = true;
    const int n = 3 + static_cast<int>(rng() % 6);
    double a = unit(rng) * 2 * kPi;
    for (int i = 0; i < n; ++i, a += 2 * kPi / n) {
        const double radius = size * (0.5 + unit(rng) / 2);
        const Point p{at.x + radius * std::cos(a), at.y + radius * std::sin(a)};
        if (kind == 1) {
            path.anchors.push_back(Anchor::Corner(p));
            continue;
        }
        const double h = radius * 0.5 * unit(rng);
        const Point tangent{-std::sin(a), std::cos(a)};
        path.anchors.push_back(
            Anchor{p, {p.x - h * tangent.x, p.y - h * tangent.y}, {p.x + h * tangent.x, p.y + h * tangent.y}});
    }
    return Shape({path});
}

bool NearOutline(const BezierShape& shape, Point q, double reach) {
    BezierPath dot;
    dot.closed = true;
    dot.anchors.push_back(Anchor::Corner(q));
    return OutlinesMayTouch(shape, Shape({dot}), reach);
}

int PiecesHolding(const CropResult& r, CropRole role, Point q) {
    int count = 0;
    for (const CropPiece& p : r.pieces)
        if (p.role == role && IsInsideFill(p.shape, q)) ++count;
    return count;
}

// Sampled points around the shape, away from both outlines, lie in the overlap when in both inputs and in the
// top-only piece when in the top object alone, each in one piece at most.
void ExpectPointsWhereTheyBelong(const CropResult& r, const BezierShape& top, const BezierShape& under,
                                 const BezierShape& region, const BezierShape& shape, int samples,
                                 const std::string& label, std::mt19937& rng) {
    const Box box = ControlBounds(shape);
    const double grow = (box.maxX - box.minX) / 4;
    std::uniform_real_distribution<double> x(box.minX - grow, box.maxX + grow), y(box.minY - grow, box.maxY + grow);
    for (int k = 0; k < samples; ++k) {
        const Point q{x(rng), y(rng)};
        if (NearOutline(region, q, 1e-3) || NearOutline(shape, q, 1e-3)) continue;
        const bool inTop = IsInsideFill(top, q), inUnder = IsInsideFill(under, q);
        EXPECT_EQ(PiecesHolding(r, CropRole::kOverlap, q), inTop && inUnder ? 1 : 0)
            << label << " at " << q.x << ", " << q.y;
        EXPECT_EQ(PiecesHolding(r, CropRole::kTopOnly, q), inTop && !inUnder ? 1 : 0)
            << label << " at " << q.x << ", " << q.y;
    }
}

// Both ways round: the pieces of each side add up to it, overlap pieces are exact sub-curves, and sampled points
// lie where they belong.
void ExpectSoundCrop(const BezierShape& region, const BezierShape& shape, const std::string& label, std::mt19937& rng) {
    for (const auto& [top, under] : {std::pair{&region, &shape}, std::pair{&shape, &region}}) {
        const CropResult r = Crop(*top, *under);
        ASSERT_EQ(r.status, PathfinderStatus::kOk) << label;
        const double whole = std::abs(SignedArea(*top));
        EXPECT_NEAR(RoleArea(r, CropRole::kOverlap) + RoleArea(r, CropRole::kTopOnly), whole,
                    1e-6 * std::max(std::abs(SignedArea(shape)), 1.0))
            << label;
        for (const CropPiece& piece : r.pieces) {
            if (piece.role != CropRole::kOverlap) continue;
            for (const BezierPath& path : piece.shape.paths)
                for (const Cubic& s : SegmentsOf(path))
                    EXPECT_TRUE(IsExactSubCurve(s, {top, under})) << label;
        }
        ExpectPointsWhereTheyBelong(r, *top, *under, region, shape, 24, label, rng);
    }
}

TEST(NearbyFlattening, ShapesAcrossADetailedRegion) {
    std::mt19937 rng(14014);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 24; ++c) {
        const int segments = c % 3 == 0 ? 4 : 40 + static_cast<int>(rng() % 160);
        const BezierShape region = Shape({WavyLoop(500, 500, 300, segments, c % 3 == 0 ? 0.0 : 6.0, rng)});
        const double a = unit(rng) * 2 * kPi;
        const Point onOutline{500 + 300 * std::cos(a), 500 + 300 * std::sin(a)};
        const BezierShape shape = ShapeAround(onOutline, 2 + 30 * unit(rng), rng);
        ExpectSoundCrop(region, shape, "case " + std::to_string(c) + " of " + std::to_string(segments), rng);
    }
}

// A closed loop whose handles point anywhere and reach far: segments that turn back in x or y, S-bends, loops and
// stretches of the outline passing close by each other, so that chords within monotone stretches are put to the test.
BezierShape Wiggle(Point at, double size, std::mt19937& rng, bool closed = true) {
    std::uniform_real_distribution<double> unit(0, 1);
    BezierPath path;
    path.closed = closed;
    const int n = 3 + static_cast<int>(rng() % 7);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * (i + unit(rng) * 0.8) / n, radius = size * (0.3 + unit(rng));
        const Point p{at.x + radius * std::cos(a), at.y + radius * std::sin(a)};
        const double turn = unit(rng) * 2 * kPi, h = size * 1.2 * unit(rng);
        const Point handle{h * std::cos(turn), h * std::sin(turn)};
        path.anchors.push_back(Anchor{p, {p.x - handle.x, p.y - handle.y}, {p.x + handle.x, p.y + handle.y}});
    }
    return Shape({path});
}

// Case c's region, a wavy loop on even cases and a concave polygon on odd ones, and a point on or beside its
// outline for a shape to be centred on.
std::pair<BezierShape, Point> RegionAndPlace(int c, std::mt19937& rng) {
    std::uniform_real_distribution<double> unit(0, 1);
    if (c % 2 == 0) {
        BezierShape region = Shape({WavyLoop(500, 500, 300, 4 + static_cast<int>(rng() % 40), 3.0, rng)});
        const double a = unit(rng) * 2 * kPi;
        return {std::move(region), Point{500 + 300 * std::cos(a), 500 + 300 * std::sin(a)}};
    }
    BezierShape region = Shape({Polygon({{200, 200}, {800, 260}, {560, 500}, {790, 800}, {230, 740}})});
    const double x = unit(rng), y = unit(rng);
    return {std::move(region), Point{200 + 600 * x, 200 + 60 * y}};
}

BezierShape WithRule(BezierShape shape, bool evenOdd) {
    if (evenOdd) shape.fillRule = FillRule::kEvenOdd;
    return shape;
}

TEST(NearbyFlattening, WigglingShapesAcrossCurvedAndStraightRegions) {
    std::mt19937 rng(1406);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 200; ++c) {
        const auto [region, at] = RegionAndPlace(c, rng);
        const BezierShape shape = WithRule(Wiggle(at, 3 + 40 * unit(rng), rng), c % 3 == 0);
        // A loop that crosses itself has no signed area to add up to: the sampled points decide.
        for (const auto& [top, under] : {std::pair{&region, &shape}, std::pair{&shape, &region}}) {
            const CropResult r = Crop(*top, *under);
            ASSERT_EQ(r.status, PathfinderStatus::kOk) << c;
            ExpectPointsWhereTheyBelong(r, *top, *under, region, shape, 64, "wiggle " + std::to_string(c), rng);
        }
    }
}

// A region cut again after an anchor a few along from the shape had its handles pulled round and out, so that its
// segments now loop over their neighbours: each cut is judged by the region as it is at that call, checked around
// the shape and the pulled anchor alike.
TEST(NearbyFlattening, ARegionEditedBetweenTwoCutsIsCutAsItIsNow) {
    std::mt19937 rng(1408);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 60; ++c) {
        const BezierShape region = Shape({WavyLoop(500, 500, 300, 8 + static_cast<int>(rng() % 24), 2.0, rng)});
        const std::size_t count = region.paths[0].anchors.size();
        const std::size_t near = rng() % count, pulledIndex = (near + 1 + rng() % 3) % count;
        const Point at = region.paths[0].anchors[near].p;
        const BezierShape shape = Wiggle(at, 10 + 30 * unit(rng), rng);
        BezierShape edited = region;
        Anchor& pulled = edited.paths[0].anchors[pulledIndex];
        const double turn = unit(rng) * 2 * kPi, reach = 40 + 80 * unit(rng);
        const Point handle{reach * std::cos(turn), reach * std::sin(turn)};
        pulled.in = {pulled.p.x - handle.x, pulled.p.y - handle.y};
        pulled.out = {pulled.p.x + handle.x, pulled.p.y + handle.y};
        // Points are sampled over the shape and the pulled anchor's surroundings together.
        BezierShape sampled = shape;
        sampled.paths.push_back(Rect(pulled.p.x - reach, pulled.p.y - reach, pulled.p.x + reach, pulled.p.y + reach));
        for (const BezierShape* now : {&region, static_cast<const BezierShape*>(&edited), &region}) {
            const CropResult r = Crop(*now, shape);
            ASSERT_EQ(r.status, PathfinderStatus::kOk) << c;
            ExpectPointsWhereTheyBelong(r, *now, shape, *now, sampled, 96, "edit " + std::to_string(c), rng);
        }
    }
}

bool OnAnyPiece(const OutlineResult& r, OutlineSource source, Point q) {
    for (const OutlinePiece& piece : r.pieces) {
        if (piece.source != source) continue;
        // A piece may loop on itself: its nearest point is looked for in eighths.
        for (const Cubic& c : SegmentsOf(piece.path)) {
            for (int k = 0; k < 8; ++k) {
                const Cubic part = c.SubCurve(k / 8.0, (k + 1) / 8.0);
                if (Distance(part.Evaluate(NearestParam(part, q)), q) <= 1e-6) return true;
            }
        }
    }
    return false;
}

// Every sampled point of the lower path away from the fill's outline lies on a piece exactly when it lies outside
// the fill.
void ExpectVisibleExactlyOutside(const OutlineResult& r, const BezierShape& fill, const BezierPath& path,
                                 const std::string& label) {
    for (const Cubic& segment : SegmentsOf(path)) {
        for (int k = 1; k < 16; ++k) {
            const Point q = segment.Evaluate(k / 16.0);
            if (NearOutline(fill, q, 1e-3)) continue;
            EXPECT_EQ(OnAnyPiece(r, OutlineSource::kUnder, q), !IsInsideFill(fill, q))
                << label << " at " << q.x << ", " << q.y;
        }
    }
}

// Scribbled lines and loops crossing themselves under a filled region: every sampled point of the scribble away
// from the region's outline lies on a piece exactly when it lies outside the fill.
TEST(NearbyFlattening, ScribblesUnderAFilledRegionKeepWhatLiesOutside) {
    std::mt19937 rng(1407);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 120; ++c) {
        const auto [region, at] = RegionAndPlace(c, rng);
        const BezierShape scribble = Wiggle(at, 3 + 40 * unit(rng), rng, c % 3 != 0);
        const OutlineResult r = Outline(region, scribble);
        ASSERT_EQ(r.status, PathfinderStatus::kOk) << c;
        ExpectVisibleExactlyOutside(r, region, scribble.paths[0], "scribble " + std::to_string(c));
    }
}

// Lines alone under a larger curved region, closed and open, and under the same region left open so that its fill
// closes it with a chord: the region is flattened finely only near the lines, and what lies outside stays visible.
TEST(NearbyFlattening, PolylinesUnderACurvedRegionKeepWhatLiesOutside) {
    std::mt19937 rng(1408);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int c = 0; c < 60; ++c) {
        auto [region, at] = RegionAndPlace(2 * c, rng);
        if (c % 4 == 3) region.paths[0].closed = false;
        BezierShape lines = Wiggle(at, 3 + 40 * unit(rng), rng, c % 3 != 0);
        for (Anchor& anchor : lines.paths[0].anchors)
            anchor = Anchor::Corner(anchor.p);
        const OutlineResult r = Outline(region, lines);
        ASSERT_EQ(r.status, PathfinderStatus::kOk) << c;
        ExpectVisibleExactlyOutside(r, FilledForm(region), lines.paths[0], "lines " + std::to_string(c));
    }
}

// The region's straight top edge, built of many short segments, and a shape resting on it: the contact is exactly
// where the shape's bounds end, at a vertex of the region or between two.
TEST(NearbyFlattening, ShapeRestingOnTheRegionAtTheEdgeOfItsBounds) {
    std::mt19937 rng(1414);
    BezierPath band;
    band.closed = true;
    for (int i = 0; i <= 50; ++i)
        band.anchors.push_back(Anchor::Corner({i * 10.0, 0.0}));
    band.anchors.push_back(Anchor::Corner({500, -80}));
    band.anchors.push_back(Anchor::Corner({0, -80}));
    const BezierShape region = Shape({Reversed(band)});
    std::uniform_int_distribution<int> where(2, 47);
    for (int c = 0; c < 12; ++c) {
        const double x = where(rng) * 10.0 + (c % 2 == 0 ? 0.0 : 3.7), r = 4.0 + c;
        ExpectSoundCrop(region, Shape({Circle(x, r, r)}), "circle on top " + std::to_string(c), rng);
        ExpectSoundCrop(region, Shape({Rect(x - r, 0, x + r, 2 * r)}), "square on top " + std::to_string(c), rng);
        // Half sunk: the crossings lie on the region's edge between its vertices.
        ExpectSoundCrop(region, Shape({Circle(x, 0, r)}), "circle half in " + std::to_string(c), rng);
    }
}

// A curved region passing the corner of a shape's bounds just outside, just inside or through it, while the shape
// crosses the region elsewhere: the stretch beside the corner is the first the flattening may leave coarse.
TEST(NearbyFlattening, RegionPassingJustByTheCornerOfTheShapeBounds) {
    std::mt19937 rng(41);
    const BezierShape region = Shape({Circle(0, 0, 100)});
    const double corner = 100 / std::sqrt(2.0);
    for (const double gap : {-1e-2, -1e-3, -1e-4, 0.0, 1e-4, 1e-3, 1e-2, 0.5}) {
        // The square's upper right corner sits gap outside the circle, on its diagonal; its lower left corner lies
        // inside, and its left side runs out through the circle.
        const double c = corner + gap / std::sqrt(2.0);
        const BezierShape square = Shape({Polygon({{c - 30, c - 30}, {c, c - 30}, {c, c}, {c - 60, c}})});
        ExpectSoundCrop(region, square, "gap " + std::to_string(gap), rng);
    }
}

}  // namespace
}  // namespace pathfinder::testing
