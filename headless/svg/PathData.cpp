// Path-data parser and writer.
#include "headless/svg/PathData.h"

#include <cctype>
#include <cmath>
#include <numbers>

#include "headless/geometry/Tolerance.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

namespace {

bool SameAsWritten(double a, double b, int decimals) {
    if (a == b) return true;
    // Numbers further apart than a last written digit cannot print the same; skip formatting them.
    if (std::fabs(a - b) > std::pow(10.0, -decimals)) return false;
    return FormatNumber(a, decimals) == FormatNumber(b, decimals);
}

bool SameAsWritten(Point a, Point b, int decimals = kDefaultDecimals) {
    return SameAsWritten(a.x, b.x, decimals) && SameAsWritten(a.y, b.y, decimals);
}

void AppendCubic(Subpath& s, Point c1, Point c2, Point end) {
    s.points.push_back(c1);
    s.points.push_back(c2);
    s.points.push_back(end);
}

void AppendLine(Subpath& s, Point from, Point to) {
    AppendCubic(s, from, to, to);
}

int ArgumentCount(char command) {
    switch (command) {
        case 'M':
        case 'L':
        case 'T':
            return 2;
        case 'H':
        case 'V':
            return 1;
        case 'C':
            return 6;
        case 'S':
        case 'Q':
            return 4;
        case 'A':
            return 7;
        default:
            return 0;
    }
}

bool IsCommand(char ch) {
    switch (ch) {
        case 'M':
        case 'm':
        case 'L':
        case 'l':
        case 'H':
        case 'h':
        case 'V':
        case 'v':
        case 'C':
        case 'c':
        case 'S':
        case 's':
        case 'Q':
        case 'q':
        case 'T':
        case 't':
        case 'A':
        case 'a':
        case 'Z':
        case 'z':
            return true;
        default:
            return false;
    }
}

class PathParser {
public:
    explicit PathParser(std::string_view text) : scan_(text) {}

    std::string Run(std::vector<Subpath>& out) {
        scan_.SkipSpaces();
        if (scan_.AtEnd()) return {};
        char command = 0;
        while (true) {
            scan_.SkipSpaces();
            if (scan_.AtEnd()) break;
            const char ch = scan_.Peek();
            if (IsCommand(ch)) {
                command = ch;
                scan_.Advance();
            } else if (command == 0 || !scan_.StartsNumber()) {
                return Where("unexpected character '" + std::string(1, ch) + "'");
            } else if (command == 'Z' || command == 'z') {
                return Where("number after Z");
            }
            // After a moveto, further coordinate pairs are implicit linetos.
            if (command != 'M' && command != 'm' && subpaths_.empty()) return Where("path data must start with M");
            if (std::string error = Execute(command); !error.empty()) return error;
            if (command == 'M') command = 'L';
            if (command == 'm') command = 'l';
        }
        out.insert(out.end(), std::make_move_iterator(subpaths_.begin()), std::make_move_iterator(subpaths_.end()));
        return {};
    }

private:
    std::string Where(const std::string& what) const {
        return what + " at character " + std::to_string(scan_.Position() + 1);
    }

    std::string ReadArgs(char command, double* v) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        const int count = ArgumentCount(upper);
        for (int i = 0; i < count; ++i) {
            scan_.SkipSeparator();
            bool ok;
            if (upper == 'A' && (i == 3 || i == 4)) {
                bool flag = false;
                ok = scan_.ReadFlag(flag);
                v[i] = flag ? 1 : 0;
            } else {
                ok = scan_.ReadNumber(v[i]);
            }
            if (!ok) return Where(std::string("missing or bad number for ") + command);
        }
        scan_.SkipSeparator();
        return {};
    }

    Subpath& Current() {
        // Drawing after Z starts a new subpath at the closed one's start.
        if (subpaths_.back().closed) {
            subpaths_.push_back({{start_}, false});
        }
        return subpaths_.back();
    }

    std::string Execute(char command) {
        if (command == 'Z' || command == 'z') {
            if (!subpaths_.back().closed) {
                subpaths_.back().closed = true;
                current_ = start_;
            }
            lastControl_ = current_;
            lastCommand_ = 'Z';
            return {};
        }
        double v[7];
        if (std::string error = ReadArgs(command, v); !error.empty()) return error;
        const bool relative = std::islower(static_cast<unsigned char>(command));
        const Point base = relative ? current_ : Point{0, 0};
        auto at = [&](int i) { return Point{base.x + v[i], base.y + v[i + 1]}; };
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        Point control = current_;
        switch (upper) {
            case 'M':
                subpaths_.push_back({{at(0)}, false});
                current_ = start_ = at(0);
                break;
            case 'L':
                AppendLine(Current(), current_, at(0));
                current_ = at(0);
                break;
            case 'H': {
                const Point to{relative ? current_.x + v[0] : v[0], current_.y};
                AppendLine(Current(), current_, to);
                current_ = to;
                break;
            }
            case 'V': {
                const Point to{current_.x, relative ? current_.y + v[0] : v[0]};
                AppendLine(Current(), current_, to);
                current_ = to;
                break;
            }
            case 'C':
                control = at(2);
                AppendCubic(Current(), at(0), control, at(4));
                current_ = at(4);
                break;
            case 'S': {
                const Point first = Reflected("CS");
                control = at(0);
                AppendCubic(Current(), first, control, at(2));
                current_ = at(2);
                break;
            }
            case 'Q':
            case 'T': {
                const Point q = upper == 'Q' ? at(0) : Reflected("QT");
                const Point to = upper == 'Q' ? at(2) : at(0);
                control = q;
                AppendCubic(Current(),
                            {current_.x + 2.0 / 3 * (q.x - current_.x), current_.y + 2.0 / 3 * (q.y - current_.y)},
                            {to.x + 2.0 / 3 * (q.x - to.x), to.y + 2.0 / 3 * (q.y - to.y)}, to);
                current_ = to;
                break;
            }
            case 'A': {
                const Point to = at(5);
                AppendArc(Current(), current_, v[0], v[1], v[2], v[3] != 0, v[4] != 0, to);
                current_ = to;
                break;
            }
            default:
                break;
        }
        lastControl_ = control;
        lastCommand_ = upper;
        return {};
    }

    // The reflection of the previous control point when the previous command was one of `kinds`, else the
    // current point.
    Point Reflected(std::string_view kinds) const {
        if (kinds.find(lastCommand_) == std::string_view::npos) return current_;
        return {2 * current_.x - lastControl_.x, 2 * current_.y - lastControl_.y};
    }

    Scanner scan_;
    std::vector<Subpath> subpaths_;
    Point current_;
    Point start_;
    Point lastControl_;
    char lastCommand_ = 0;
};

}  // namespace

std::string ParsePathData(std::string_view text, std::vector<Subpath>& out) {
    return PathParser(text).Run(out);
}

void AppendArc(Subpath& subpath, Point from, double rx, double ry, double rotationDegrees, bool largeArc, bool sweep,
               Point to) {
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (from == to) return;
    if (rx == 0 || ry == 0) {
        AppendLine(subpath, from, to);
        return;
    }
    // Endpoint to centre parameterisation (SVG implementation notes, F.6.5), radii scaled up when too small.
    const double phi = rotationDegrees * std::numbers::pi / 180.0;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double dx = (from.x - to.x) / 2, dy = (from.y - to.y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double factor = std::sqrt(std::max(0.0, numerator / denominator));
    if (largeArc == sweep) factor = -factor;
    const double cxp = factor * rx * y1 / ry;
    const double cyp = -factor * ry * x1 / rx;
    const double cx = cosPhi * cxp - sinPhi * cyp + (from.x + to.x) / 2;
    const double cy = sinPhi * cxp + cosPhi * cyp + (from.y + to.y) / 2;
    auto angle = [](double ux, double uy, double vx, double vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const double theta1 = angle(1, 0, (x1 - cxp) / rx, (y1 - cyp) / ry);
    double delta = angle((x1 - cxp) / rx, (y1 - cyp) / ry, (-x1 - cxp) / rx, (-y1 - cyp) / ry);
    if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
    if (sweep && delta < 0) delta += 2 * std::numbers::pi;
    // At most a quarter turn per cubic keeps the approximation error below 3e-4 of the radius.
    const int pieces = std::max(
        1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - geometry::kQuarterTurnSlack)));
    const double step = delta / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    auto pointAt = [&](double t, double scaleX, double scaleY, bool derivative) {
        const double ex = derivative ? -std::sin(t) : std::cos(t);
        const double ey = derivative ? std::cos(t) : std::sin(t);
        const double px = rx * ex * scaleX, py = ry * ey * scaleY;
        return Point{cosPhi * px - sinPhi * py + (derivative ? 0 : cx),
                     sinPhi * px + cosPhi * py + (derivative ? 0 : cy)};
    };
    double t = theta1;
    Point start = from;
    for (int i = 0; i < pieces; ++i) {
        const double next = t + step;
        const Point d1 = pointAt(t, 1, 1, true);
        const Point d2 = pointAt(next, 1, 1, true);
        const Point end = i + 1 == pieces ? to : pointAt(next, 1, 1, false);
        AppendCubic(subpath, {start.x + k * d1.x, start.y + k * d1.y}, {end.x - k * d2.x, end.y - k * d2.y}, end);
        start = end;
        t = next;
    }
}

void SnapEndToStart(Subpath& subpath) {
    std::vector<Point>& p = subpath.points;
    if (!subpath.closed || p.size() < 4) return;
    // Z after a line to a point a rounding from the start closes with a segment of no length as written.
    const size_t n = p.size();
    const bool closingLine = p[n - 1] == p[0] && p[n - 3] == p[n - 4] && p[n - 2] == p[n - 1];
    if (closingLine && n >= 7 && SameAsWritten(p[n - 4], p[0])) p.resize(n - 3);
    if (SameAsWritten(p.back(), p.front())) {
        // A handle on the end moves onto the start with it, so that a line stays a line.
        if (p[p.size() - 2] == p.back()) p[p.size() - 2] = p.front();
        p.back() = p.front();
    }
}

void AppendPathData(std::string& out, const Subpath& subpath, int decimals) {
    if (subpath.points.empty()) return;
    auto point = [&out, decimals](Point p) {
        AppendNumber(out, p.x, decimals);
        out += ' ';
        AppendNumber(out, p.y, decimals);
    };
    if (!out.empty()) out += ' ';
    out += "M ";
    point(subpath.points[0]);
    const std::vector<Point>& pts = subpath.points;
    // Judged as written: handles a rounding off their ends read back as a line.
    auto straight = [&pts, decimals](size_t i) {
        return SameAsWritten(pts[i], pts[i - 1], decimals) && SameAsWritten(pts[i + 1], pts[i + 2], decimals);
    };
    // The lines that end a closed subpath at its start, as written, are all its Z: after the first they have no
    // length once written, and a reader drops them.
    size_t end = pts.size() - (pts.size() - 1) % 3;
    while (subpath.closed && end >= 4 && straight(end - 3) && SameAsWritten(pts[end - 1], pts[0], decimals))
        end -= 3;
    for (size_t i = 1; i + 2 < end; i += 3) {
        if (straight(i)) {
            out += " L ";
        } else {
            out += " C ";
            point(pts[i]);
            out += ' ';
            point(pts[i + 1]);
            out += ' ';
        }
        point(pts[i + 2]);
    }
    if (subpath.closed) out += " Z";
}

std::string FormatPathData(const std::vector<Subpath>& subpaths, int decimals) {
    std::string out;
    for (const Subpath& s : subpaths)
        AppendPathData(out, s, decimals);
    return out;
}

}  // namespace headless::svg
