// Matrix algebra and exact curve bounds for the SVG stages.
#include "headless/svg/Geometry.h"

#include <algorithm>
#include <cmath>

#include "headless/document/Geometry.h"

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
    // Matrices are written to 8 decimals; one read back from a file must be judged as it was before writing.
    const double tolerance = 1e-7 * std::max(lengthX, lengthY);
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

// The exact extent of the curves, by the document's Bezier bounds (SVG's y grows down, which bounds do not mind).
Box CurveBounds(const std::vector<Subpath>& subpaths, const Matrix& m) {
    auto at = [&m](Point p) {
        const Point q = m.Apply(p);
        return AIRealPoint{q.x, q.y};
    };
    BoundsBuilder builder;
    for (const Subpath& subpath : subpaths) {
        if (subpath.points.empty()) continue;
        builder.Add(at(subpath.points[0]));
        for (size_t i = 1; i + 2 < subpath.points.size(); i += 3) {
            builder.AddCubic(at(subpath.points[i - 1]), at(subpath.points[i]), at(subpath.points[i + 1]),
                             at(subpath.points[i + 2]));
        }
    }
    Box box;
    if (builder.Empty()) return box;
    const AIRealRect r = builder.Rect();
    box.Add(Point{r.left, r.bottom});
    box.Add(Point{r.right, r.top});
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
