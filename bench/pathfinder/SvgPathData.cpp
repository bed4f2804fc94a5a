// SVG path data for the Pathfinder tools, read by the host's SVG path reader.
#include "bench/pathfinder/SvgPathData.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "headless/pathfinder/Cubic.h"
#include "headless/svg/PathData.h"

namespace pathfinder::bench {

BezierShape ParsePathData(std::string_view data, FillRule rule) {
    std::vector<headless::svg::Subpath> subpaths;
    const std::string error = headless::svg::ParsePathData(data, subpaths);
    if (!error.empty()) throw std::runtime_error("path data: " + error);
    BezierShape shape;
    shape.fillRule = rule;
    for (const headless::svg::Subpath& s : subpaths) {
        BezierPath path;
        path.closed = s.closed;
        const auto at = [&](std::size_t i) { return Point{s.points[i].x, s.points[i].y}; };
        path.anchors.push_back(Anchor::Corner(at(0)));
        for (std::size_t i = 1; i + 2 < s.points.size(); i += 3) {
            path.anchors.back().out = at(i);
            path.anchors.push_back(Anchor{at(i + 2), at(i + 1), at(i + 2)});
        }
        // A closed path's last segment runs back to its first anchor on its own.
        if (s.closed && path.anchors.size() > 1 && path.anchors.back().p == path.anchors.front().p) {
            path.anchors.front().in = path.anchors.back().in;
            path.anchors.pop_back();
        }
        shape.paths.push_back(std::move(path));
    }
    return shape;
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
