// AI Real Math suite: points, rectangles and matrices in 64-bit reals.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIRealMathSuite = "AI Real Math Suite";
constexpr int kAIRealMathSuiteVersion = 5;

// The measures and tests answer as values, since they cannot fail; rectangle tests include the edges.
struct AIRealMathSuite {
    // Distance from a to b.
    AIReal (*AIRealPointLength)(const AIRealPoint* a, const AIRealPoint* b);
    // Direction from a to b in radians, in (-pi, pi], counter-clockwise from the positive h axis (y up).
    AIReal (*AIRealPointAngle)(const AIRealPoint* a, const AIRealPoint* b);
    // |a - b| <= tolerance.
    AIBoolean (*EqualWithinTol)(AIReal a, AIReal b, AIReal tolerance);
    AIBoolean (*AIRealPointInAIRealRect)(const AIRealPoint* point, const AIRealRect* rect);
    // Whether a lies within b.
    AIBoolean (*AIRealRectInAIRealRect)(const AIRealRect* a, const AIRealRect* b);
    // Whether a and b share a point; touching edges count.
    AIBoolean (*AIRealRectOverlap)(const AIRealRect* a, const AIRealRect* b);
    AIErr (*AIRealRectUnion)(const AIRealRect* a, const AIRealRect* b, AIRealRect* result);
    // Moves every side inwards by h (left, right) and v (top, bottom); negative values grow the rectangle.
    AIErr (*AIRealRectInset)(AIRealRect* rect, AIReal h, AIReal v);
    AIErr (*AIRealMatrixSetIdentity)(AIRealMatrix* matrix);
    // result = a followed by b.
    AIErr (*AIRealMatrixConcat)(const AIRealMatrix* a, const AIRealMatrix* b, AIRealMatrix* result);
    // Inverts in place. Answers a 16-bit code: 0, or non-zero (matrix unchanged) when it cannot be inverted.
    ASInt16 (*AIRealMatrixInvert)(AIRealMatrix* matrix);
    AIErr (*AIRealMatrixXformPoint)(const AIRealMatrix* matrix, const AIRealPoint* point, AIRealPoint* result);
};
