// Distances between points and segments.
#include "headless/geometry/Point.h"

#include <algorithm>

namespace geometry {

double DistanceToSegment(Point q, Point a, Point b) {
    const Point ab = b - a;
    const double length2 = Dot(ab, ab);
    const double t = length2 > 0 ? std::clamp(Dot(q - a, ab) / length2, 0.0, 1.0) : 0.0;
    return Distance(q, a + t * ab);
}

}  // namespace geometry
