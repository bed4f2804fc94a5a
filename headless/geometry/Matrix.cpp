// Matrix algebra.
#include "headless/geometry/Matrix.h"

#include <algorithm>
#include <cmath>

#include "headless/geometry/Tolerance.h"

namespace geometry {

Matrix operator*(const Matrix& m, const Matrix& n) {
    return {m.a * n.a + m.c * n.b, m.b * n.a + m.d * n.b,          m.a * n.c + m.c * n.d,
            m.b * n.c + m.d * n.d, m.a * n.tx + m.c * n.ty + m.tx, m.b * n.tx + m.d * n.ty + m.ty};
}

double Matrix::MeanScale() const {
    return std::sqrt(std::fabs(Determinant()));
}

bool Matrix::IsSimilarity() const {
    const double lengthX = a * a + b * b;
    const double lengthY = c * c + d * d;
    const double tolerance = kSimilaritySlack * std::max(lengthX, lengthY);
    return std::fabs(lengthX - lengthY) <= tolerance && std::fabs(a * c + b * d) <= tolerance && lengthX > 0;
}

bool Matrix::IsFinite() const {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(tx) &&
           std::isfinite(ty);
}

bool Matrix::Invert(Matrix& inverse) const {
    const double det = Determinant();
    if (det == 0 || !std::isfinite(det)) return false;
    inverse = {d / det, -b / det, -c / det, a / det, (c * ty - d * tx) / det, (b * tx - a * ty) / det};
    return true;
}

Box TransformedBox(const Box& box, const Matrix& m) {
    Box result;
    if (box.IsEmpty()) return result;
    result.Add(m.Apply({box.minX, box.minY}));
    result.Add(m.Apply({box.maxX, box.minY}));
    result.Add(m.Apply({box.minX, box.maxY}));
    result.Add(m.Apply({box.maxX, box.maxY}));
    return result;
}

}  // namespace geometry
