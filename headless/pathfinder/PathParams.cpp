// Positions on a Bezier path by path parameter, and exact sub-curves between parameters.
#include "headless/pathfinder/PathParams.h"

#include <algorithm>
#include <cmath>

namespace pathfinder {
namespace {

double SnapToBoundary(double u) {
    const double r = std::round(u);
    return std::abs(u - r) < kParamSnap ? r : u;
}

bool IsPoint(const Cubic& c) {
    return c.p0 == c.p1 && c.p1 == c.p2 && c.p2 == c.p3;
}

}  // namespace

void Locate(const BezierPath& path, PathParam u, std::size_t& segment, double& t) {
    const std::size_t n = SegmentCount(path);
    u = NormalizeParam(path, u);
    double whole = std::floor(u);
    if (whole >= static_cast<double>(n)) whole = static_cast<double>(n) - 1.0;
    segment = static_cast<std::size_t>(std::max(whole, 0.0));
    t = u - static_cast<double>(segment);
}

PathParam NormalizeParam(const BezierPath& path, PathParam u) {
    const double n = static_cast<double>(SegmentCount(path));
    if (n <= 0.0) return 0.0;
    u = SnapToBoundary(u);
    if (path.closed) {
        u = std::fmod(u, n);
        if (u < 0.0) u += n;
        if (u >= n) u = 0.0;
        return u;
    }
    return std::clamp(u, 0.0, n);
}

Point PointAt(const BezierPath& path, PathParam u) {
    std::size_t segment;
    double t;
    Locate(path, u, segment, t);
    return SegmentOf(path, segment).Evaluate(t);
}

Point TangentAt(const BezierPath& path, PathParam u) {
    std::size_t segment;
    double t;
    Locate(path, u, segment, t);
    const Cubic c = SegmentOf(path, segment);
    const Point d = c.Derivative(t);
    if (d.x != 0.0 || d.y != 0.0) return d;
    return c.p3 - c.p0;  // a handle on its anchor leaves the end derivative zero
}

void EmitStretch(const BezierPath& path, PathParam from, double length, std::vector<Cubic>& out) {
    const std::size_t n = SegmentCount(path);
    if (n == 0) return;
    const bool forward = length >= 0.0;
    double remaining = std::abs(length);
    double u = NormalizeParam(path, from);
    const double count = static_cast<double>(n);
    // Enough turns for a full loop plus the partial segments at either end.
    for (std::size_t guard = 0; remaining > kParamSnap && guard < n + 2; ++guard) {
        double whole = std::floor(u);
        double t0 = u - whole;
        if (!forward && t0 == 0.0) {  // going backwards from a boundary enters the previous segment
            whole -= 1.0;
            t0 = 1.0;
        }
        if (whole < 0.0) {
            if (!path.closed) break;
            whole += count;
        }
        if (whole >= count) {
            if (!path.closed) break;
            whole -= count;
        }
        const double t1 = SnapToBoundary(forward ? std::min(1.0, t0 + remaining) : std::max(0.0, t0 - remaining));
        const Cubic piece = SegmentOf(path, static_cast<std::size_t>(whole)).SubCurve(t0, t1);
        if (!IsPoint(piece)) out.push_back(piece);
        remaining -= std::abs(t1 - t0);
        u = whole + t1;
        if (path.closed && u >= count) u -= count;
    }
}

}  // namespace pathfinder
