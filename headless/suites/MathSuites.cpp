// Real math and real Bezier suites: measures, rectangle tests and matrices over the document's geometry helpers.
#include <cmath>
#include <numbers>

#include "headless/document/SdkGeometry.h"
#include "headless/suites/HostEntry.h"
#include "headless/suites/RealBezier.h"
#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"

namespace headless {
namespace {

// The inversion's refusal: the matrix is singular, not finite, or missing.
constexpr ASInt16 kSingularMatrixCode = 1;

// The answers that carry a code refuse non-finite input rather than hand back NaN as a success; the measures
// answered as values let IEEE arithmetic say what it can.
const AIRealPoint& FinitePoint(const AIRealPoint* p) {
    if (!IsFinite(In(p))) Throw(kBadParameterErr);
    return *p;
}

const AIRealRect& FiniteRect(const AIRealRect* r) {
    const AIRealRect& v = In(r);
    if (!IsFinite(AIRealPoint{v.left, v.top}) || !IsFinite(AIRealPoint{v.right, v.bottom})) Throw(kBadParameterErr);
    return v;
}

const AIRealMatrix& FiniteMatrix(const AIRealMatrix* m) {
    if (!IsFinite(In(m))) Throw(kBadParameterErr);
    return *m;
}

const AIRealBezier& FiniteBezier(const AIRealBezier* b) {
    const AIRealBezier& v = In(b);
    for (AIRealPoint p : {v.p0, v.p1, v.p2, v.p3})
        if (!IsFinite(p)) Throw(kBadParameterErr);
    return v;
}

AIReal PointLength(const AIRealPoint* a, const AIRealPoint* b) {
    return std::hypot(In(b).h - In(a).h, In(b).v - In(a).v);
}

AIReal PointAngle(const AIRealPoint* a, const AIRealPoint* b) {
    const AIReal dh = In(b).h - In(a).h;
    const AIReal dv = In(b).v - In(a).v;
    // atan2 answers -pi for a signed zero dv; the direction straight left is +pi, and no direction at all is 0.
    if (dh == 0 && dv == 0) return 0;
    const AIReal angle = std::atan2(dv, dh);
    return angle == -std::numbers::pi ? std::numbers::pi : angle;
}

AIBoolean EqualWithinTol(AIReal a, AIReal b, AIReal tolerance) {
    return std::fabs(a - b) <= tolerance;
}

AIBoolean PointInRect(const AIRealPoint* point, const AIRealRect* rect) {
    const AIRealPoint& p = In(point);
    const AIRealRect& r = In(rect);
    return p.h >= r.left && p.h <= r.right && p.v >= r.bottom && p.v <= r.top;
}

AIBoolean RectInRect(const AIRealRect* inner, const AIRealRect* outer) {
    const AIRealRect& a = In(inner);
    const AIRealRect& b = In(outer);
    return a.left >= b.left && a.right <= b.right && a.top <= b.top && a.bottom >= b.bottom;
}

AIBoolean RectOverlap(const AIRealRect* first, const AIRealRect* second) {
    const AIRealRect& a = In(first);
    const AIRealRect& b = In(second);
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

AIErr RectUnion(const AIRealRect* first, const AIRealRect* second, AIRealRect* result) {
    const AIRealRect a = FiniteRect(first);
    const AIRealRect b = FiniteRect(second);
    Out(result) = {std::fmin(a.left, b.left), std::fmax(a.top, b.top), std::fmax(a.right, b.right),
                   std::fmin(a.bottom, b.bottom)};
    return kNoErr;
}

AIErr RectInset(AIRealRect* rect, AIReal h, AIReal v) {
    AIRealRect& r = Out(rect);
    FiniteRect(&r);
    if (!std::isfinite(h) || !std::isfinite(v)) Throw(kBadParameterErr);
    r.left += h;
    r.right -= h;
    r.top -= v;
    r.bottom += v;
    return kNoErr;
}

AIErr MatrixSetIdentity(AIRealMatrix* matrix) {
    Out(matrix) = {1, 0, 0, 1, 0, 0};
    return kNoErr;
}

AIErr MatrixConcat(const AIRealMatrix* first, const AIRealMatrix* second, AIRealMatrix* result) {
    // The result applies first, then second.
    Out(result) = ToAIMatrix(ToMatrix(FiniteMatrix(second)) * ToMatrix(FiniteMatrix(first)));
    return kNoErr;
}

ASInt16 MatrixInvert(AIRealMatrix* matrix) {
    // Answered as a value, so a refusal must be made here: the wrapper's zero would read as success.
    if (!matrix) return kSingularMatrixCode;
    geometry::Matrix inverse;
    if (!ToMatrix(*matrix).Invert(inverse)) return kSingularMatrixCode;
    *matrix = ToAIMatrix(inverse);
    return 0;
}

AIErr MatrixXformPoint(const AIRealMatrix* matrix, const AIRealPoint* point, AIRealPoint* result) {
    Out(result) = ToAIPoint(ToMatrix(FiniteMatrix(matrix)).Apply(ToPoint(FinitePoint(point))));
    return kNoErr;
}

AIErr BezierEvaluate(const AIRealBezier* bezier, AIReal t, AIRealPoint* point) {
    if (!(t >= 0 && t <= 1)) Throw(kBadParameterErr);
    Out(point) = BezierPointAt(FiniteBezier(bezier), t);
    return kNoErr;
}

AIErr BezierLength(const AIRealBezier* bezier, AIReal flatness, AIReal* length) {
    if (!(flatness > 0) || !std::isfinite(flatness)) Throw(kBadParameterErr);
    Out(length) = BezierArcLength(FiniteBezier(bezier), flatness);
    return kNoErr;
}

const AIRealMathSuite kRealMathSuite = {
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealPointLength, PointLength),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealPointAngle, PointAngle),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, EqualWithinTol, EqualWithinTol),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealPointInAIRealRect, PointInRect),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealRectInAIRealRect, RectInRect),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealRectOverlap, RectOverlap),
    TRIMORA_HOST_FN(AIRealMathSuite, AIRealRectUnion, RectUnion),
    TRIMORA_HOST_FN(AIRealMathSuite, AIRealRectInset, RectInset),
    TRIMORA_HOST_FN(AIRealMathSuite, AIRealMatrixSetIdentity, MatrixSetIdentity),
    TRIMORA_HOST_FN(AIRealMathSuite, AIRealMatrixConcat, MatrixConcat),
    TRIMORA_HOST_VALUE_FN(AIRealMathSuite, AIRealMatrixInvert, MatrixInvert),
    TRIMORA_HOST_FN(AIRealMathSuite, AIRealMatrixXformPoint, MatrixXformPoint),
};

const AIRealBezierSuite kRealBezierSuite = {
    TRIMORA_HOST_FN(AIRealBezierSuite, AIRealBezierEvaluate, BezierEvaluate),
    TRIMORA_HOST_FN(AIRealBezierSuite, AIRealBezierLength, BezierLength),
};

}  // namespace

void RegisterMathSuites(SuiteRegistry& registry) {
    registry.Add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathSuite);
    registry.Add(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &kRealBezierSuite);
}

}  // namespace headless
