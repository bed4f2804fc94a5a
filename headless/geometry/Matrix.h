// Affine matrices: (x, y) maps to (a*x + c*y + tx, b*x + d*y + ty). Products compose as functions do: (m * n)
// applies n first, then m.
#pragma once

#include "headless/geometry/Box.h"
#include "headless/geometry/Point.h"

namespace geometry {

struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    Point Apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    double Determinant() const { return a * d - b * c; }
    bool IsIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0; }
    // The factor by which the matrix scales lengths on average (exact for similarities).
    double MeanScale() const;
    // True when the matrix keeps angles (rotation, uniform scale, translation, reflection).
    bool IsSimilarity() const;
    // False when arithmetic on huge inputs has overflowed to infinity or NaN.
    bool IsFinite() const;
    // Fails (returns false, leaving inverse alone) for a singular or overflowing matrix.
    bool Invert(Matrix& inverse) const;

    static Matrix Translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Matrix Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

Matrix operator*(const Matrix& m, const Matrix& n);

// The box around the four mapped corners; an empty box stays empty.
Box TransformedBox(const Box& box, const Matrix& m);

}  // namespace geometry
