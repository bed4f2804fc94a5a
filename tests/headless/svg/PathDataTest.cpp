// Path data: every command form, arcs against exact points, and broken data.
#include <gtest/gtest.h>

#include <cmath>

#include "headless/svg/PathData.h"

namespace headless::svg {
namespace {

std::vector<Subpath> Parse(std::string_view d) {
    std::vector<Subpath> out;
    EXPECT_EQ(ParsePathData(d, out), "") << d;
    return out;
}

Point End(const Subpath& s) {
    return s.points.back();
}

TEST(PathData, AbsoluteAndRelativeFormsAgree) {
    const auto absolute = Parse("M10 10 L20 10 H30 V20 C30 30 20 30 20 20 Z");
    const auto relative = Parse("m10 10 l10 0 h10 v10 c0 10 -10 10 -10 0 z");
    ASSERT_EQ(absolute.size(), 1u);
    EXPECT_EQ(absolute[0].points, relative[0].points);
    EXPECT_TRUE(absolute[0].closed);
    EXPECT_EQ(absolute[0].SegmentCount(), 4);
}

TEST(PathData, CompactNumbersAndImplicitCommands) {
    // "0.5.5" is two numbers, "-1-2" two, and pairs after M are line-tos.
    const auto s = Parse("M0.5.5-1-2 3,4");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].points[0], (Point{0.5, 0.5}));
    EXPECT_EQ(End(s[0]), (Point{3, 4}));
    EXPECT_EQ(s[0].SegmentCount(), 2);
    const auto r = Parse("m1 1 2 2");
    EXPECT_EQ(End(r[0]), (Point{3, 3}));
}

TEST(PathData, SmoothCurvesReflectTheirControlPoint) {
    const auto s = Parse("M0 0 C0 10 10 10 10 0 S20 -10 20 0");
    ASSERT_EQ(s[0].SegmentCount(), 2);
    EXPECT_EQ(s[0].points[4], (Point{10, -10}));  // reflection of (10,10) through (10,0)
    // S after a line has no control to reflect: the first control is the current point.
    const auto t = Parse("M0 0 L5 0 S10 5 10 0");
    EXPECT_EQ(t[0].points[4], (Point{5, 0}));
    // Quadratics are raised to cubics; T reflects the quadratic control.
    const auto q = Parse("M0 0 Q15 15 30 0 T60 0");
    EXPECT_NEAR(q[0].points[1].x, 10, 1e-12);
    EXPECT_NEAR(q[0].points[1].y, 10, 1e-12);
    EXPECT_NEAR(q[0].points[4].x, 40, 1e-12);
    EXPECT_NEAR(q[0].points[4].y, -10, 1e-12);
}

TEST(PathData, SeveralSubpathsAndDrawingAfterClose) {
    const auto s = Parse("M0 0 L10 0 L10 10 Z L5 5 M20 20 L30 30");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_TRUE(s[0].closed);
    EXPECT_EQ(s[1].points[0], (Point{0, 0}));  // starts where the closed one started
    EXPECT_FALSE(s[2].closed);
}

TEST(PathData, ArcsLieOnTheEllipse) {
    // A half circle of radius 10 around (10, 0), drawn with the flags run together.
    const auto s = Parse("M0 0 A10 10 0 0120 0 10 10 0 0 1 0 0");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(End(s[0]), (Point{0, 0}));
    // Every anchor lies on the circle; the cubic midpoints stay within the approximation tolerance.
    for (size_t i = 0; i + 3 < s[0].points.size(); i += 3) {
        const Point a = s[0].points[i], c1 = s[0].points[i + 1], c2 = s[0].points[i + 2], b = s[0].points[i + 3];
        EXPECT_NEAR(std::hypot(a.x - 10, a.y), 10, 1e-9);
        const Point mid{(a.x + 3 * c1.x + 3 * c2.x + b.x) / 8, (a.y + 3 * c1.y + 3 * c2.y + b.y) / 8};
        EXPECT_NEAR(std::hypot(mid.x - 10, mid.y), 10, 10 * 3e-4);
    }
    // Radii too small are scaled up; zero radii make a line.
    const auto small = Parse("M0 0 A1 1 0 0 1 20 0");
    EXPECT_NEAR(End(small[0]).x, 20, 1e-12);
    EXPECT_NEAR(small[0].points[3].y, -10, 1e-9);  // the scaled circle's top, reached after a quarter
    const auto flat = Parse("M0 0 A0 5 0 0 1 20 0");
    EXPECT_EQ(flat[0].SegmentCount(), 1);
}

TEST(PathData, BrokenDataIsReportedWithItsPosition) {
    std::vector<Subpath> out;
    EXPECT_NE(ParsePathData("L10 10", out), "");
    EXPECT_NE(ParsePathData("M10", out), "");
    EXPECT_NE(ParsePathData("M0 0 L10 x", out), "");
    EXPECT_NE(ParsePathData("M0 0 A10 10 0 2 1 5 5", out), "");
    const std::string error = ParsePathData("M0 0 L1 1 #", out);
    EXPECT_NE(error.find("character 11"), std::string::npos) << error;
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(ParsePathData("  ", out), "");
}

TEST(PathData, WriterPrintsLinesCurvesAndClosesWithoutRepeatingTheStart) {
    const auto s = Parse("M0 0 L10 0 C10 5 5 10 0 10 Z");
    EXPECT_EQ(FormatPathData(s), "M 0 0 L 10 0 C 10 5 5 10 0 10 Z");
    const auto explicitClose = Parse("M0 0 L10 0 L0 10 L0 0 Z");
    EXPECT_EQ(FormatPathData(explicitClose), "M 0 0 L 10 0 L 0 10 Z");
    const auto reparsed = Parse(FormatPathData(Parse("M1.23456 2 c1 1 2 2 3 3")));
    EXPECT_NEAR(reparsed[0].points[0].x, 1.2346, 1e-12);
}

}  // namespace
}  // namespace headless::svg
