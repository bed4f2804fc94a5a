// Transform-list parsing.
#include "headless/svg/Transform.h"

#include <cmath>
#include <numbers>

#include "headless/svg/NumberFormat.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

namespace {

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The matrix of one transform function, or an error text.
std::string FunctionMatrix(std::string_view name, const double* v, int count, Matrix& m) {
    auto bad = [&] { return "wrong number of arguments to " + std::string(name); };
    if (name == "matrix") {
        if (count != 6) return bad();
        m = {v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (name == "translate") {
        if (count != 1 && count != 2) return bad();
        m = Matrix::Translate(v[0], count == 2 ? v[1] : 0);
    } else if (name == "scale") {
        if (count != 1 && count != 2) return bad();
        m = Matrix::Scale(v[0], count == 2 ? v[1] : v[0]);
    } else if (name == "rotate") {
        if (count != 1 && count != 3) return bad();
        const double c = std::cos(Radians(v[0])), s = std::sin(Radians(v[0]));
        m = {c, s, -s, c, 0, 0};
        if (count == 3) m = Matrix::Translate(v[1], v[2]) * m * Matrix::Translate(-v[1], -v[2]);
    } else if (name == "skewX") {
        if (count != 1) return bad();
        m = {1, 0, std::tan(Radians(v[0])), 1, 0, 0};
    } else if (name == "skewY") {
        if (count != 1) return bad();
        m = {1, std::tan(Radians(v[0])), 0, 1, 0, 0};
    } else {
        return "unknown transform function '" + std::string(name) + "'";
    }
    return {};
}

}  // namespace

std::string ParseTransform(std::string_view text, Matrix& result) {
    Scanner scan(text);
    Matrix total;
    scan.SkipSpaces();
    while (!scan.AtEnd()) {
        const std::string_view name = scan.ReadWord();
        if (name.empty()) return "transform function expected at character " + std::to_string(scan.Position() + 1);
        scan.SkipSpaces();
        if (scan.Peek() != '(') return "'(' expected after " + std::string(name);
        scan.Advance();
        double values[6];
        int count = 0;
        scan.SkipSpaces();
        while (scan.Peek() != ')') {
            if (count == 6 || !scan.ReadNumber(values[count]))
                return "bad argument to " + std::string(name) + " at character " + std::to_string(scan.Position() + 1);
            ++count;
            scan.SkipSeparator();
        }
        scan.Advance();
        Matrix m;
        if (std::string error = FunctionMatrix(name, values, count, m); !error.empty()) return error;
        total = total * m;
        scan.SkipSeparator();
    }
    result = total;
    return {};
}

std::string FormatMatrix(const Matrix& m) {
    std::string out = "matrix(";
    const double values[] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
    for (int i = 0; i < 6; ++i) {
        if (i > 0) out += ' ';
        // The linear part needs more digits than coordinates: it multiplies them.
        AppendNumber(out, values[i], i < 4 ? 8 : kDefaultDecimals);
    }
    out += ')';
    return out;
}

}  // namespace headless::svg
