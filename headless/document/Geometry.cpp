// Matrices, Bezier extremes, areas by exact quadrature, and winding numbers on flattened curves.
#include "headless/document/Geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace headless {
namespace {

AIRealPoint Lerp(AIRealPoint a, AIRealPoint b, AIReal t) {
    return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t};
}

// Roots in (0, 1) of the derivative of one coordinate of a cubic.
int DerivativeRoots(AIReal p0, AIReal p1, AIReal p2, AIReal p3, AIReal roots[2]) {
    const AIReal a = -p0 + 3 * p1 - 3 * p2 + p3;
    const AIReal b = 2 * (p0 - 2 * p1 + p2);
    const AIReal c = p1 - p0;
    int n = 0;
    auto keep = [&](AIReal t) {
        if (t > 0 && t < 1) roots[n++] = t;
    };
    const AIReal scale = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (scale == 0) return 0;
    if (std::fabs(a) <= 1e-12 * scale) {
        if (b != 0) keep(-c / b);
        return n;
    }
    const AIReal disc = b * b - 4 * a * c;
    if (disc < 0) return 0;
    const AIReal s = std::sqrt(disc);
    keep((-b + s) / (2 * a));
    keep((-b - s) / (2 * a));
    return n;
}

template <typename Fn>
void ForEachCubic(std::span<const AIPathSegment> segs, bool closed, Fn&& fn) {
    const std::size_t n = segs.size();
    const std::size_t count = closed ? n : (n == 0 ? 0 : n - 1);
    for (std::size_t i = 0; i < count; ++i) {
        const AIPathSegment& a = segs[i];
        const AIPathSegment& b = segs[(i + 1) % n];
        fn(a.p, a.out, b.in, b.p);
    }
}

void Flatten(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3, AIReal tolerance, int depth,
             std::vector<AIRealPoint>& out) {
    const AIReal d1 = std::fabs((p1.h - p0.h) * (p3.v - p0.v) - (p1.v - p0.v) * (p3.h - p0.h));
    const AIReal d2 = std::fabs((p2.h - p0.h) * (p3.v - p0.v) - (p2.v - p0.v) * (p3.h - p0.h));
    const AIReal len = std::hypot(p3.h - p0.h, p3.v - p0.v);
    const bool flat =
        (len > 0 ? (std::max(d1, d2) / len)
                 : std::max(std::hypot(p1.h - p0.h, p1.v - p0.v), std::hypot(p2.h - p0.h, p2.v - p0.v))) <= tolerance;
    if (flat || depth >= 16) {
        out.push_back(p3);
        return;
    }
    const AIRealPoint a = Lerp(p0, p1, 0.5), b = Lerp(p1, p2, 0.5), c = Lerp(p2, p3, 0.5);
    const AIRealPoint d = Lerp(a, b, 0.5), e = Lerp(b, c, 0.5), m = Lerp(d, e, 0.5);
    Flatten(p0, a, d, m, tolerance, depth + 1, out);
    Flatten(m, e, c, p3, tolerance, depth + 1, out);
}

}  // namespace

bool IsFinite(AIRealPoint p) {
    return std::isfinite(p.h) && std::isfinite(p.v);
}

bool IsFinite(const AIRealMatrix& m) {
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
           std::isfinite(m.tx) && std::isfinite(m.ty);
}

AIRealPoint CubicAt(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3, AIReal t) {
    const AIReal u = 1 - t;
    const AIReal a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.h + b * p1.h + c * p2.h + d * p3.h, a * p0.v + b * p1.v + c * p2.v + d * p3.v};
}

AIRealPoint Transform(const AIRealMatrix& m, AIRealPoint p) {
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

AIRealMatrix Concat(const AIRealMatrix& f, const AIRealMatrix& s) {
    return {f.a * s.a + f.b * s.c, f.a * s.b + f.b * s.d,          f.c * s.a + f.d * s.c,
            f.c * s.b + f.d * s.d, f.tx * s.a + f.ty * s.c + s.tx, f.tx * s.b + f.ty * s.d + s.ty};
}

std::optional<AIRealMatrix> Invert(const AIRealMatrix& m) {
    const AIReal det = m.a * m.d - m.b * m.c;
    if (det == 0 || !std::isfinite(det)) return std::nullopt;
    const AIReal a = m.d / det, b = -m.b / det, c = -m.c / det, d = m.a / det;
    return AIRealMatrix{a, b, c, d, -(m.tx * a + m.ty * c), -(m.tx * b + m.ty * d)};
}

void BoundsBuilder::Add(AIRealPoint p) {
    if (empty_) {
        r_ = {p.h, p.v, p.h, p.v};
        empty_ = false;
        return;
    }
    r_.left = std::min(r_.left, p.h);
    r_.right = std::max(r_.right, p.h);
    r_.bottom = std::min(r_.bottom, p.v);
    r_.top = std::max(r_.top, p.v);
}

void BoundsBuilder::Add(const AIRealRect& r) {
    Add(AIRealPoint{r.left, r.top});
    Add(AIRealPoint{r.right, r.bottom});
}

void BoundsBuilder::AddCubic(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3) {
    Add(p0);
    Add(p3);
    AIReal roots[4];
    int n = DerivativeRoots(p0.h, p1.h, p2.h, p3.h, roots);
    n += DerivativeRoots(p0.v, p1.v, p2.v, p3.v, roots + n);
    for (int i = 0; i < n; ++i)
        Add(CubicAt(p0, p1, p2, p3, roots[i]));
}

AIRealRect BoundsBuilder::Rect() const {
    return empty_ ? AIRealRect{} : r_;
}

void AddPathBounds(BoundsBuilder& b, std::span<const AIPathSegment> segs, bool closed, const AIRealMatrix* m) {
    auto map = [m](AIRealPoint p) { return m ? Transform(*m, p) : p; };
    if (segs.size() == 1) {
        b.Add(map(segs[0].p));
        return;
    }
    ForEachCubic(segs, closed, [&](AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3) {
        b.AddCubic(map(p0), map(p1), map(p2), map(p3));
    });
}

AIReal SignedArea(std::span<const AIPathSegment> segs) {
    // x dy - y dx along a cubic is a polynomial of degree 5: three Gauss-Legendre nodes integrate it exactly.
    static constexpr AIReal kNodes[3] = {0.1127016653792583, 0.5, 0.8872983346207417};
    static constexpr AIReal kWeights[3] = {5.0 / 18, 8.0 / 18, 5.0 / 18};
    AIReal twice = 0;
    ForEachCubic(segs, true, [&](AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3) {
        for (int k = 0; k < 3; ++k) {
            const AIReal t = kNodes[k], u = 1 - t;
            const AIRealPoint p = CubicAt(p0, p1, p2, p3, t);
            const AIReal dx = 3 * (u * u * (p1.h - p0.h) + 2 * u * t * (p2.h - p1.h) + t * t * (p3.h - p2.h));
            const AIReal dy = 3 * (u * u * (p1.v - p0.v) + 2 * u * t * (p2.v - p1.v) + t * t * (p3.v - p2.v));
            twice += kWeights[k] * (p.h * dy - p.v * dx);
        }
    });
    return twice / 2;
}

int WindingNumber(std::span<const AIPathSegment> segs, AIRealPoint p, AIReal tolerance) {
    if (segs.size() < 2) return 0;
    std::vector<AIRealPoint> pts{segs[0].p};
    ForEachCubic(segs, true, [&](AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3) {
        Flatten(p0, p1, p2, p3, tolerance, 0, pts);
    });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        const AIRealPoint a = pts[i], b = pts[i + 1];
        const AIReal side = (b.h - a.h) * (p.v - a.v) - (p.h - a.h) * (b.v - a.v);
        if (a.v <= p.v) {
            if (b.v > p.v && side > 0) ++winding;
        } else if (b.v <= p.v && side < 0) {
            --winding;
        }
    }
    return winding;
}

}  // namespace headless
