// Path data as Pathfinder shapes: a closed subpath does not repeat its start, and printing a shape reads back as
// the same shape.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "headless/svg/PathShapes.h"

namespace headless::svg {
namespace {

using pathfinder::FillRule;

// The same paths and anchors, to the digits path data is printed with.
void ExpectSameShape(const pathfinder::BezierShape& a, const pathfinder::BezierShape& b) {
    ASSERT_EQ(a.paths.size(), b.paths.size());
    auto near = [](pathfinder::Point p, pathfinder::Point q) {
        return std::abs(p.x - q.x) < 1e-6 && std::abs(p.y - q.y) < 1e-6;
    };
    for (std::size_t i = 0; i < a.paths.size(); ++i) {
        EXPECT_EQ(a.paths[i].closed, b.paths[i].closed) << "path " << i;
        ASSERT_EQ(a.paths[i].anchors.size(), b.paths[i].anchors.size()) << "path " << i;
        for (std::size_t k = 0; k < a.paths[i].anchors.size(); ++k) {
            const pathfinder::Anchor &x = a.paths[i].anchors[k], &y = b.paths[i].anchors[k];
            EXPECT_TRUE(near(x.p, y.p) && near(x.in, y.in) && near(x.out, y.out)) << "path " << i << " anchor " << k;
        }
    }
}

TEST(PathShapes, AClosedSubpathEndingOnItsStartKeepsOneAnchorThereWithTheLastHandle) {
    const auto shape = ShapeOfPathData("M 0 0 C 10 0 20 10 20 20 C 10 30 0 10 0 0 Z", FillRule::kEvenOdd);
    ASSERT_EQ(shape.paths.size(), 1u);
    const pathfinder::BezierPath& path = shape.paths[0];
    EXPECT_TRUE(path.closed);
    ASSERT_EQ(path.anchors.size(), 2u);
    EXPECT_EQ(path.anchors[0].in, (pathfinder::Point{0, 10}));
    EXPECT_EQ(path.anchors[0].out, (pathfinder::Point{10, 0}));
    EXPECT_EQ(shape.fillRule, FillRule::kEvenOdd);
}

TEST(PathShapes, PrintedShapesReadBackUnchanged) {
    for (const char* data : {"M 0 0 L 10 0 L 10 10 Z", "M 0 0 C 10 0 20 10 20 20 C 10 30 0 10 0 0 Z",
                             "M 5 5 l 10 0 q 5 5 0 10 Z m 20 0 h 5 v 5 z", "M 0 0 L 10 10 C 20 0 30 0 40 10",
                             "M 0 0 A 10 5 30 1 0 20 0 Z"}) {
        SCOPED_TRACE(data);
        const auto shape = ShapeOfPathData(data, FillRule::kNonZero);
        ExpectSameShape(ShapeOfPathData(PathDataOfShape(shape), FillRule::kNonZero), shape);
    }
}

TEST(PathShapes, UnreadableDataSaysWhatIsWrong) {
    EXPECT_THROW(ShapeOfPathData("M 0 0 L 10", FillRule::kNonZero), std::runtime_error);
    EXPECT_THROW(ShapeOfPathData("L 10 10", FillRule::kNonZero), std::runtime_error);
    EXPECT_TRUE(ShapeOfPathData("", FillRule::kNonZero).paths.empty());
}

}  // namespace
}  // namespace headless::svg
