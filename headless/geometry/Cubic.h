// One cubic Bezier segment: evaluation, exact splitting, bounds, area, flattening and ray crossings.
#pragma once

#include <cstddef>

#include "headless/geometry/Box.h"
#include "headless/geometry/Point.h"

namespace geometry {

struct Cubic {
    Point p0, p1, p2, p3;

    // Handles on their anchors: the segment is a straight line and is evaluated as one, linear in t, so that its
    // pieces stay straight and its parameters match a polyline's.
    bool IsStraight() const { return p1 == p0 && p2 == p3; }
    Point Evaluate(double t) const;
    Point Derivative(double t) const;
    Point SecondDerivative(double t) const;
    // Exact de Casteljau split at t.
    void Split(double t, Cubic& left, Cubic& right) const;
    // The exact piece between t0 and t1; t0 > t1 gives the piece reversed.
    Cubic SubCurve(double t0, double t1) const;
    Cubic Reversed() const { return {p3, p2, p1, p0}; }
    Box ControlBounds() const;
    // The curve's exact extent, its turning points included.
    Box Bounds() const;
};

// Parameters inside (0, 1) where the coordinate with control values a, b, c, d turns back; returns how many.
int TurningParams(double a, double b, double c, double d, double out[2]);

// The segment's share of the area enclosed by the loop it belongs to (Green's theorem, closed form);
// positive for counter-clockwise loops with y up.
double SignedArea(const Cubic& c);

// Number of uniform parameter steps that keep the polyline within tolerance (points) of the curve.
std::size_t FlatteningSteps(const Cubic& c, double tolerance);
// Distance from q to the curve, to within tolerance (points), along its flattened polyline.
double DistanceTo(const Cubic& c, Point q, double tolerance);

// Signed crossings of the ray from q towards +x with the exact curve, by subdivision: +1 where the curve goes up
// through the ray, -1 where it comes down. An end counts as above q when strictly above it, so loops of segments
// count every crossing once.
int RayCrossings(const Cubic& c, Point q);

}  // namespace geometry
