// A point or vector of the plane, and the arithmetic every other geometry type is written with.
#pragma once

#include <cmath>

namespace geometry {

struct Point {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(double s, Point a) {
    return {s * a.x, s * a.y};
}
inline double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
inline Point Lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}
inline double Length(Point v) {
    return std::hypot(v.x, v.y);
}
inline double Distance(Point a, Point b) {
    return Length(b - a);
}
// Distance from q to the closed segment from a to b.
double DistanceToSegment(Point q, Point a, Point b);
inline bool IsFinite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace geometry
