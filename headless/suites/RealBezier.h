// Evaluation and arc length of one cubic Bezier, for the real Bezier suite.
#pragma once

#include "plugin/sdk/AIRealBezier.h"

namespace headless {

AIRealPoint BezierPointAt(const AIRealBezier& bezier, AIReal t);

// The arc length to within `flatness` (an absolute distance, > 0), by subdividing until each piece's control
// polygon is nearly as short as its chord; the length lies between the two.
AIReal BezierArcLength(const AIRealBezier& bezier, AIReal flatness);

}  // namespace headless
