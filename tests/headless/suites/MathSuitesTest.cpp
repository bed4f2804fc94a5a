// Real math and real Bezier suites: angle quadrants, tolerances, inclusive rectangle tests, matrices, curves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using std::numbers::pi;

class RealMath : public testing::HostTest {
protected:
    const AIRealMathSuite* math = Acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    const AIRealBezierSuite* bezier = Acquire<AIRealBezierSuite>(kAIRealBezierSuite, kAIRealBezierSuiteVersion);

    AIReal Angle(AIRealPoint a, AIRealPoint b) { return math->AIRealPointAngle(&a, &b); }
};

TEST_F(RealMath, AnglesRunCounterClockwiseWithStraightLeftAtPlusPi) {
    const AIRealPoint o{1, 1};
    EXPECT_DOUBLE_EQ(Angle(o, {2, 1}), 0);
    EXPECT_DOUBLE_EQ(Angle(o, {2, 2}), pi / 4);
    EXPECT_DOUBLE_EQ(Angle(o, {0, 2}), 3 * pi / 4);
    EXPECT_DOUBLE_EQ(Angle(o, {0, 0}), -3 * pi / 4);
    EXPECT_DOUBLE_EQ(Angle(o, {2, 0}), -pi / 4);
    EXPECT_DOUBLE_EQ(Angle(o, {1, 5}), pi / 2);
    // Signed zeros must not turn "left" into -pi, nor "nowhere" into a direction.
    EXPECT_DOUBLE_EQ(Angle({0, 0}, {-1, -0.0}), pi);
    EXPECT_DOUBLE_EQ(Angle({0, 0.0}, {-1, 0.0}), pi);
    EXPECT_DOUBLE_EQ(Angle({-0.0, -0.0}, {0.0, 0.0}), 0);
    EXPECT_DOUBLE_EQ(Angle({3, 4}, {3, 4}), 0);
}

TEST_F(RealMath, LengthsAndTolerances) {
    const AIRealPoint a{1, 2}, b{4, 6};
    EXPECT_DOUBLE_EQ(math->AIRealPointLength(&a, &b), 5);
    EXPECT_EQ(math->AIRealPointLength(nullptr, &b), 0);
    EXPECT_TRUE(math->EqualWithinTol(1.0, 1.1, 0.1 + 1e-12));
    EXPECT_TRUE(math->EqualWithinTol(2, 2, 0));
    EXPECT_FALSE(math->EqualWithinTol(1.0, 1.2, 0.1));
    EXPECT_FALSE(math->EqualWithinTol(NAN, NAN, 1));
    EXPECT_FALSE(math->EqualWithinTol(1, 1, -1));
}

TEST_F(RealMath, RectangleTestsIncludeTheirEdges) {
    const AIRealRect r{0, 10, 20, 0};
    for (AIRealPoint p : {AIRealPoint{0, 0}, {20, 10}, {0, 5}, {10, 10}, {10, 5}})
        EXPECT_TRUE(math->AIRealPointInAIRealRect(&p, &r)) << p.h << "," << p.v;
    for (AIRealPoint p : {AIRealPoint{-0.001, 5}, {10, 10.001}, {20.5, 0}, {10, -1}})
        EXPECT_FALSE(math->AIRealPointInAIRealRect(&p, &r)) << p.h << "," << p.v;

    const AIRealRect same = r, inner{5, 10, 20, 5}, sticking{5, 11, 10, 5};
    EXPECT_TRUE(math->AIRealRectInAIRealRect(&same, &r));
    EXPECT_TRUE(math->AIRealRectInAIRealRect(&inner, &r));
    EXPECT_FALSE(math->AIRealRectInAIRealRect(&sticking, &r));
    EXPECT_FALSE(math->AIRealRectInAIRealRect(&r, &inner));

    const AIRealRect touchingRight{20, 5, 30, 2}, touchingCorner{20, 20, 30, 10}, apart{20.01, 5, 30, 2},
        above{0, 30, 20, 10.5};
    EXPECT_TRUE(math->AIRealRectOverlap(&r, &touchingRight));
    EXPECT_TRUE(math->AIRealRectOverlap(&touchingCorner, &r));
    EXPECT_FALSE(math->AIRealRectOverlap(&r, &apart));
    EXPECT_FALSE(math->AIRealRectOverlap(&above, &r));
    EXPECT_TRUE(math->AIRealRectOverlap(&inner, &r));
}

TEST_F(RealMath, UnionAndInset) {
    const AIRealRect a{0, 10, 5, 0}, b{3, 20, 8, 4};
    AIRealRect u;
    ASSERT_EQ(math->AIRealRectUnion(&a, &b, &u), kNoErr);
    EXPECT_EQ(u.left, 0);
    EXPECT_EQ(u.top, 20);
    EXPECT_EQ(u.right, 8);
    EXPECT_EQ(u.bottom, 0);
    // The result may be one of the inputs.
    AIRealRect c = a;
    ASSERT_EQ(math->AIRealRectUnion(&c, &b, &c), kNoErr);
    EXPECT_EQ(c.top, 20);
    EXPECT_EQ(math->AIRealRectUnion(&a, &b, nullptr), kBadParameterErr);

    AIRealRect r{0, 10, 20, 0};
    ASSERT_EQ(math->AIRealRectInset(&r, 2, 1), kNoErr);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 9);
    EXPECT_EQ(r.right, 18);
    EXPECT_EQ(r.bottom, 1);
    ASSERT_EQ(math->AIRealRectInset(&r, -2, -1), kNoErr);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 10);
}

TEST_F(RealMath, MatricesInvertConcatAndTransform) {
    AIRealMatrix m{2, 0, 0, 4, 10, -20};
    const AIRealMatrix original = m;
    ASSERT_EQ(math->AIRealMatrixInvert(&m), 0);
    AIRealPoint p{3, 5}, q, back;
    ASSERT_EQ(math->AIRealMatrixXformPoint(&original, &p, &q), kNoErr);
    EXPECT_DOUBLE_EQ(q.h, 16);
    EXPECT_DOUBLE_EQ(q.v, 0);
    ASSERT_EQ(math->AIRealMatrixXformPoint(&m, &q, &back), kNoErr);
    EXPECT_DOUBLE_EQ(back.h, 3);
    EXPECT_DOUBLE_EQ(back.v, 5);

    // A followed by its inverse is the identity.
    AIRealMatrix product, identity;
    ASSERT_EQ(math->AIRealMatrixConcat(&original, &m, &product), kNoErr);
    ASSERT_EQ(math->AIRealMatrixSetIdentity(&identity), kNoErr);
    for (auto field :
         {&AIRealMatrix::a, &AIRealMatrix::b, &AIRealMatrix::c, &AIRealMatrix::d, &AIRealMatrix::tx, &AIRealMatrix::ty})
        EXPECT_NEAR(product.*field, identity.*field, 1e-12);

    // Order matters: scale then translate differs from translate then scale.
    const AIRealMatrix scale{2, 0, 0, 2, 0, 0}, move{1, 0, 0, 1, 5, 0};
    AIRealMatrix sm;
    ASSERT_EQ(math->AIRealMatrixConcat(&scale, &move, &sm), kNoErr);
    const AIRealPoint one{1, 0};
    ASSERT_EQ(math->AIRealMatrixXformPoint(&sm, &one, &q), kNoErr);
    EXPECT_DOUBLE_EQ(q.h, 7);
}

TEST_F(RealMath, SingularMatricesAreRefusedAndLeftUnchanged) {
    for (AIRealMatrix m : {AIRealMatrix{0, 0, 0, 0, 1, 2}, AIRealMatrix{1, 2, 2, 4, 0, 0},
                           AIRealMatrix{NAN, 0, 0, 1, 0, 0}, AIRealMatrix{INFINITY, 0, 0, 1, 0, 0}}) {
        const AIRealMatrix before = m;
        EXPECT_NE(math->AIRealMatrixInvert(&m), 0);
        EXPECT_EQ(std::memcmp(&m, &before, sizeof m), 0);
    }
    // A missing matrix is a refusal, not the wrapper's zero.
    EXPECT_NE(math->AIRealMatrixInvert(nullptr), 0);
}

TEST_F(RealMath, BezierPointsAndLengths) {
    const AIRealBezier line{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    AIRealPoint p;
    ASSERT_EQ(bezier->AIRealBezierEvaluate(&line, 0.5, &p), kNoErr);
    EXPECT_DOUBLE_EQ(p.h, 1.5);
    EXPECT_EQ(bezier->AIRealBezierEvaluate(&line, 1.5, &p), kBadParameterErr);
    EXPECT_EQ(bezier->AIRealBezierEvaluate(&line, NAN, &p), kBadParameterErr);

    AIReal length = 0;
    ASSERT_EQ(bezier->AIRealBezierLength(&line, 0.01, &length), kNoErr);
    EXPECT_DOUBLE_EQ(length, 3);
    EXPECT_EQ(bezier->AIRealBezierLength(&line, 0, &length), kBadParameterErr);

    // A quarter circle of radius 100; the cubic itself is slightly longer than the arc, so compare with a fine
    // reference and check each answer stays within the flatness asked for.
    const AIReal k = 100 * 0.5522847498307936;
    const AIRealBezier quarter{{100, 0}, {100, k}, {k, 100}, {0, 100}};
    AIReal reference = 0;
    ASSERT_EQ(bezier->AIRealBezierLength(&quarter, 1e-9, &reference), kNoErr);
    EXPECT_NEAR(reference, 50 * pi, 0.05);
    for (AIReal flatness : {1.0, 0.1, 0.01, 0.001}) {
        ASSERT_EQ(bezier->AIRealBezierLength(&quarter, flatness, &length), kNoErr);
        EXPECT_NEAR(length, reference, flatness) << flatness;
    }
}

}  // namespace
}  // namespace headless
