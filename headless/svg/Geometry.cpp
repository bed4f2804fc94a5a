// Matrix algebra and exact curve bounds for the SVG stages.
#include "headless/svg/Geometry.h"

#include <algorithm>
#include <cmath>

namespace headless::svg {

Matrix operator*(const Matrix& m, const Matrix& n) {
    return {m.a * n.a + m.c * n.b, m.b * n.a + m.d * n.b,       m.a * n.c + m.c * n.d,
            m.b * n.c + m.d * n.d, m.a * n.e + m.c * n.f + m.e, m.b * n.e + m.d * n.f + m.f};
}

double Matrix::MeanScale() const {
    return std::sqrt(std::fabs(Determinant()));
}

bool Matrix::IsSimilarity() const {
    const double lengthX = a * a + b * b;
    const double lengthY = c * c + d * d;
    const double tolerance = 1e-9 * std::max(lengthX, lengthY);
    return std::fabs(lengthX - lengthY) <= tolerance && std::fabs(a * c + b * d) <= tolerance && lengthX > 0;
}

bool Matrix::IsFinite() const {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(e) &&
           std::isfinite(f);
}

bool Matrix::Invert(Matrix& inverse) const {
    const double det = Determinant();
    if (det == 0 || !std::isfinite(det)) return false;
    inverse = {d / det, -b / det, -c / det, a / det, (c * f - d * e) / det, (b * e - a * f) / det};
    return true;
}

void Box::Add(Point p) {
    if (!valid) {
        minX = maxX = p.x;
        minY = maxY = p.y;
        valid = true;
        return;
    }
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
}

void Box::Add(const Box& other) {
    if (!other.valid) return;
    Add(Point{other.minX, other.minY});
    Add(Point{other.maxX, other.maxY});
}

Subpath Transformed(const Subpath& subpath, const Matrix& m) {
    Subpath result{{}, subpath.closed};
    result.points.reserve(subpath.points.size());
    for (const Point& p : subpath.points)
        result.points.push_back(m.Apply(p));
    return result;
}

bool IsFinite(const std::vector<Subpath>& subpaths) {
    for (const Subpath& s : subpaths)
        for (const Point& p : s.points)
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return true;
}

namespace {

// Adds the extremes of one coordinate of a cubic to the interval [lo, hi].
void CubicExtremes(double p0, double p1, double p2, double p3, double& lo, double& hi) {
    lo = std::min({lo, p0, p3});
    hi = std::max({hi, p0, p3});
    if (p1 >= lo && p1 <= hi && p2 >= lo && p2 <= hi) return;
    // Roots of the derivative a t^2 + b t + c.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3;
    const double b = 2 * (p0 - 2 * p1 + p2);
    const double c = p1 - p0;
    auto consider = [&](double t) {
        if (t <= 0 || t >= 1) return;
        const double u = 1 - t;
        const double v = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) consider(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    const double root = std::sqrt(disc);
    consider((-b + root) / (2 * a));
    consider((-b - root) / (2 * a));
}

}  // namespace

Box CurveBounds(const std::vector<Subpath>& subpaths, const Matrix& m) {
    Box box;
    for (const Subpath& subpath : subpaths) {
        if (subpath.points.empty()) continue;
        Point start = m.Apply(subpath.points[0]);
        box.Add(start);
        for (size_t i = 1; i + 2 < subpath.points.size(); i += 3) {
            const Point c1 = m.Apply(subpath.points[i]);
            const Point c2 = m.Apply(subpath.points[i + 1]);
            const Point end = m.Apply(subpath.points[i + 2]);
            double loX = box.minX, hiX = box.maxX, loY = box.minY, hiY = box.maxY;
            CubicExtremes(start.x, c1.x, c2.x, end.x, loX, hiX);
            CubicExtremes(start.y, c1.y, c2.y, end.y, loY, hiY);
            box.minX = loX;
            box.maxX = hiX;
            box.minY = loY;
            box.maxY = hiY;
            start = end;
        }
    }
    return box;
}

Box TransformedBox(const Box& box, const Matrix& m) {
    Box result;
    if (!box.valid) return result;
    result.Add(m.Apply({box.minX, box.minY}));
    result.Add(m.Apply({box.maxX, box.minY}));
    result.Add(m.Apply({box.minX, box.maxY}));
    result.Add(m.Apply({box.maxX, box.maxY}));
    return result;
}

}  // namespace headless::svg
