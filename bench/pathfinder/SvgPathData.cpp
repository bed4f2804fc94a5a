// A minimal reader of SVG path data for the Pathfinder tools.
#include "bench/pathfinder/SvgPathData.h"

#include "headless/pathfinder/Cubic.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

namespace pathfinder::bench {
namespace {

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}

    void SkipSeparators() {
        while (pos_ < data_.size() && (std::isspace(static_cast<unsigned char>(data_[pos_])) || data_[pos_] == ','))
            ++pos_;
    }
    bool AtEnd() {
        SkipSeparators();
        return pos_ >= data_.size();
    }
    bool AtCommand() { return !AtEnd() && std::isalpha(static_cast<unsigned char>(data_[pos_])); }
    char Command() { return data_[pos_++]; }
    double Number() {
        SkipSeparators();
        const std::string rest(data_.substr(pos_, 64));
        char* end = nullptr;
        const double value = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) throw std::runtime_error("path data: number expected at " + std::to_string(pos_));
        pos_ += static_cast<std::size_t>(end - rest.c_str());
        return value;
    }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

struct Builder {
    BezierShape shape;
    Point current, start, lastControl;
    char lastCommand = 0;

    BezierPath& Path() { return shape.paths.back(); }
    void MoveTo(Point p) {
        shape.paths.push_back({});
        Path().anchors.push_back(Anchor::Corner(p));
        current = start = p;
    }
    void CurveTo(Point c1, Point c2, Point p) {
        if (shape.paths.empty() || Path().closed) MoveTo(current);
        Path().anchors.back().out = c1;
        Path().anchors.push_back(Anchor{p, c2, p});
        lastControl = c2;
        current = p;
    }
    void LineTo(Point p) { CurveTo(current, p, p); }
    void Close() {
        if (shape.paths.empty()) return;
        BezierPath& path = Path();
        if (path.anchors.size() > 1 && path.anchors.back().p == path.anchors.front().p) {
            path.anchors.front().in = path.anchors.back().in;  // the closing point repeats the first anchor
            path.anchors.pop_back();
        }
        path.closed = true;
        current = start;
    }
};

}  // namespace

BezierShape ParsePathData(std::string_view data, FillRule rule) {
    Reader in(data);
    Builder b;
    char command = 0;
    while (!in.AtEnd()) {
        if (in.AtCommand())
            command = in.Command();
        else if (command == 0)
            throw std::runtime_error("path data: command expected");
        const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
        const Point o = relative ? b.current : Point{0, 0};
        auto point = [&] {
            const double x = in.Number();
            return Point{o.x + x, o.y + in.Number()};
        };
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        switch (upper) {
            case 'M':
                b.MoveTo(point());
                command = relative ? 'l' : 'L';  // further pairs are line-tos
                break;
            case 'L':
                b.LineTo(point());
                break;
            case 'H':
                b.LineTo({o.x + in.Number(), b.current.y});
                break;
            case 'V':
                b.LineTo({b.current.x, (relative ? b.current.y : 0.0) + in.Number()});
                break;
            case 'C': {
                const Point c1 = point(), c2 = point();
                b.CurveTo(c1, c2, point());
                break;
            }
            case 'S': {
                const bool smooth = b.lastCommand == 'C' || b.lastCommand == 'S';
                const Point c1 =
                    smooth ? Point{2 * b.current.x - b.lastControl.x, 2 * b.current.y - b.lastControl.y} : b.current;
                const Point c2 = point();
                b.CurveTo(c1, c2, point());
                break;
            }
            case 'Q': {
                const Point q = point(), p = point(), c = b.current;
                b.CurveTo({c.x + 2.0 / 3 * (q.x - c.x), c.y + 2.0 / 3 * (q.y - c.y)},
                          {p.x + 2.0 / 3 * (q.x - p.x), p.y + 2.0 / 3 * (q.y - p.y)}, p);
                break;
            }
            case 'Z':
                b.Close();
                break;
            default:
                throw std::runtime_error(std::string("path data: unsupported command ") + command);
        }
        b.lastCommand = upper;
    }
    b.shape.fillRule = rule;
    return b.shape;
}

std::string ToPathData(const BezierShape& shape) {
    std::ostringstream out;
    out.precision(10);
    for (const BezierPath& path : shape.paths) {
        if (path.anchors.empty()) continue;
        out << "M " << path.anchors[0].p.x << ' ' << path.anchors[0].p.y;
        const std::size_t n = SegmentCount(path);
        for (std::size_t i = 0; i < n; ++i) {
            const Cubic c = SegmentOf(path, i);
            if (c.IsStraight())
                out << " L " << c.p3.x << ' ' << c.p3.y;
            else
                out << " C " << c.p1.x << ' ' << c.p1.y << ' ' << c.p2.x << ' ' << c.p2.y << ' ' << c.p3.x << ' '
                    << c.p3.y;
        }
        if (path.closed) out << " Z";
        out << ' ';
    }
    std::string text = out.str();
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace pathfinder::bench
