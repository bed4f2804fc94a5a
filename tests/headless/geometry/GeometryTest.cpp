// The geometry core: matrices, and the answers chosen where the host's parts used to answer differently.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "headless/geometry/Matrix.h"
#include "headless/geometry/Path.h"

namespace geometry {
namespace {

constexpr double kKappa = 0.5522847498307936;

// A counter-clockwise circle of four cubics (y up).
BezierPath Circle(double r) {
    const double k = kKappa * r;
    return {{{{r, 0}, {r, -k}, {r, k}},
             {{0, r}, {k, r}, {-k, r}},
             {{-r, 0}, {-r, k}, {-r, -k}},
             {{0, -r}, {-k, -r}, {k, -r}}},
            true};
}

TEST(Matrix, InvertsAndComposesAsFunctions) {
    const Matrix m{2, 0.5, -1, 3, 10, -4};
    Matrix inverse;
    ASSERT_TRUE(m.Invert(inverse));
    const Point p = inverse.Apply(m.Apply({7, -2}));
    EXPECT_NEAR(p.x, 7, 1e-12);
    EXPECT_NEAR(p.y, -2, 1e-12);
    EXPECT_FALSE((Matrix{1, 2, 2, 4, 0, 0}.Invert(inverse)));
    EXPECT_FALSE((Matrix{1e300, 0, 0, 1e300, 0, 0}.Invert(inverse)));  // the determinant overflows
    // (scale * translate) moves first, then scales.
    EXPECT_EQ((Matrix::Scale(2, 2) * Matrix::Translate(5, 0)).Apply({1, 1}), (Point{12, 2}));
}

// One empty box for every part: it has no extent, meets nothing, and adding it to a box changes nothing. (The
// document's builder used to answer an all-zero rectangle, which a caller adding it took for the origin.)
TEST(Box, AnEmptyBoxIsNeutral) {
    const Box empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.Width(), 0);
    Box box{5, 5, 6, 7};
    EXPECT_FALSE(box.Intersects(empty, 100));
    box.Add(empty);
    EXPECT_EQ(box.minX, 5);
    EXPECT_EQ(box.maxY, 7);
    EXPECT_TRUE(TransformedBox(empty, Matrix::Translate(1, 1)).IsEmpty());
    EXPECT_TRUE(Bounds(BezierPath{}).IsEmpty());
}

// A segment with its handles on its anchors is a line, and its parameter runs along it evenly: the Pathfinder's
// pieces of it must stay straight and match the polyline's parameters, so the polynomial's slow ends lose.
TEST(Cubic, AStraightSegmentIsEvaluatedAsALine) {
    const Cubic line{{0, 0}, {0, 0}, {8, 4}, {8, 4}};
    EXPECT_EQ(line.Evaluate(0.25), (Point{2, 1}));
    EXPECT_EQ(line.Derivative(0.0), (Point{8, 4}));
    Cubic left, right;
    line.Split(0.25, left, right);
    EXPECT_TRUE(left.IsStraight() && right.IsStraight());
}

// A filled open path is closed by a straight line from its last anchor to its first, whatever its end handles:
// area and winding agree with the fill. (The document's measures used to close it with the end handles.)
TEST(Path, AnOpenPathFillsClosedByALine) {
    // An arch over (0,0)-(10,0) whose end handles would bulge the closing segment far below.
    BezierPath arch{{{{0, 0}, {0, -50}, {0, 10}}, {{10, 0}, {10, 10}, {10, -50}}}, false};
    BezierPath closedArch = arch;
    closedArch.closed = true;
    EXPECT_NEAR(SignedArea(arch), -60, 1e-9);  // the arch alone, clockwise: 3/5 of its control box
    EXPECT_LT(SignedArea(closedArch), SignedArea(arch));
    EXPECT_EQ(WindingNumber(arch, {5, -5}), 0);
    EXPECT_NE(WindingNumber(closedArch, {5, -5}), 0);
    EXPECT_NE(WindingNumber(arch, {5, 5}), 0);
}

// Areas come from the closed form of each cubic's share (Green's theorem), which is exact and needs no nodes; the
// document's Gauss quadrature, exact too but three evaluations a segment, gave way to it. Checked against the
// shoelace area of a fine polyline on seeded random loops.
TEST(Path, AreaIsTheClosedFormOfTheExactCurves) {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    for (int loop = 0; loop < 20; ++loop) {
        BezierPath path{{}, true};
        for (int i = 0; i < 4; ++i)
            path.anchors.push_back({{coordinate(random), coordinate(random)},
                                    {coordinate(random), coordinate(random)},
                                    {coordinate(random), coordinate(random)}});
        double shoelace = 0;
        constexpr int kSteps = 20000;
        for (std::size_t s = 0; s < SegmentCount(path); ++s) {
            const Cubic c = SegmentOf(path, s);
            for (int k = 0; k < kSteps; ++k)
                shoelace += Cross(c.Evaluate(static_cast<double>(k) / kSteps), c.Evaluate((k + 1.0) / kSteps)) / 2;
        }
        EXPECT_NEAR(SignedArea(path), shoelace, 1e-4) << loop;
    }
}

// Winding numbers are taken on the exact curves, the Pathfinder's way, rather than on a polyline within a
// tolerance: a hit test and a cut then agree on which side of an edge a point lies, however near it.
TEST(Path, WindingIsExactNearACurve) {
    const BezierShape circle{{Circle(10)}, FillRule::kNonZero};
    const Point onArc = SegmentOf(circle.paths[0], 0).Evaluate(0.5);
    const Point outward = (1.0 / Length(onArc)) * onArc;
    for (const double offset : {1e-3, 1e-6, 1e-9}) {
        EXPECT_TRUE(IsInsideFill(circle, onArc - offset * outward)) << offset;
        EXPECT_FALSE(IsInsideFill(circle, onArc + offset * outward)) << offset;
    }
}

}  // namespace
}  // namespace geometry
