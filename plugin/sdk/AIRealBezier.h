// AI Real Bezier suite: cubic Bezier segments in 64-bit reals.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIRealBezierSuite = "AI Real Bezier Suite";
constexpr int kAIRealBezierSuiteVersion = 4;

// From p0 to p3 with control points p1 and p2.
struct AIRealBezier {
    AIRealPoint p0;
    AIRealPoint p1;
    AIRealPoint p2;
    AIRealPoint p3;
};

struct AIRealBezierSuite {
    // The point at parameter t in [0, 1].
    AIErr (*AIRealBezierEvaluate)(const AIRealBezier* bezier, AIReal t, AIRealPoint* point);
    // Arc length, to within flatness.
    AIErr (*AIRealBezierLength)(const AIRealBezier* bezier, AIReal flatness, AIReal* length);
};
