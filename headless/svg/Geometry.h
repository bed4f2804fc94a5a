// Plain 2-D geometry of the SVG stages: points, affine matrices, boxes and subpaths of cubic segments.
#pragma once

#include <vector>

namespace headless::svg {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Maps (x, y) to (a*x + c*y + e, b*x + d*y + f), as SVG's matrix(a b c d e f).
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point Apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    double Determinant() const { return a * d - b * c; }
    bool IsIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }
    // The factor by which the matrix scales lengths on average (exact for similarities).
    double MeanScale() const;
    // True when the matrix keeps angles (rotation, uniform scale, translation, reflection).
    bool IsSimilarity() const;
    // False when arithmetic on huge inputs has overflowed to infinity or NaN.
    bool IsFinite() const;
    // Fails (returns false) for a singular matrix.
    bool Invert(Matrix& inverse) const;

    static Matrix Translate(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }
    static Matrix Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

// first * second: applies `second` first, as in SVG's transform lists.
Matrix operator*(const Matrix& first, const Matrix& second);

struct Box {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool valid = false;

    void Add(Point p);
    void Add(const Box& other);
    double Width() const { return valid ? maxX - minX : 0; }
    double Height() const { return valid ? maxY - minY : 0; }
};

// points[0] is the start; every following triple is (control 1, control 2, end) of one cubic segment.
struct Subpath {
    std::vector<Point> points;
    bool closed = false;

    int SegmentCount() const { return points.empty() ? 0 : static_cast<int>(points.size() - 1) / 3; }
};

Subpath Transformed(const Subpath& subpath, const Matrix& m);
bool IsFinite(const std::vector<Subpath>& subpaths);
// Exact bounds of the curves (not of their control points) after mapping them by m.
Box CurveBounds(const std::vector<Subpath>& subpaths, const Matrix& m = {});
Box TransformedBox(const Box& box, const Matrix& m);

}  // namespace headless::svg
