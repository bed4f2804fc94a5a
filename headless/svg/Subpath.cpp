// Mapping, checking and bounding subpaths.
#include "headless/svg/Subpath.h"

#include "headless/geometry/Cubic.h"

namespace headless::svg {

geometry::BezierPath PathOfSubpath(const Subpath& s) {
    geometry::BezierPath path;
    path.closed = s.closed;
    if (s.points.empty()) return path;
    path.anchors.reserve(s.points.size() / 3 + 1);
    path.anchors.push_back(geometry::Anchor::Corner(s.points[0]));
    for (std::size_t i = 1; i + 2 < s.points.size(); i += 3) {
        path.anchors.back().out = s.points[i];
        const Point to = s.points[i + 2];
        path.anchors.push_back({to, s.points[i + 1], to});
    }
    if (s.closed && path.anchors.size() > 1 && s.points.back() == s.points.front()) {
        path.anchors.front().in = path.anchors.back().in;
        path.anchors.pop_back();
    }
    return path;
}

Subpath SubpathOfPath(const geometry::BezierPath& path) {
    Subpath s;
    s.closed = path.closed;
    const std::size_t n = path.anchors.size();
    if (n == 0) return s;
    s.points.push_back(path.anchors[0].p);
    for (std::size_t i = 0; i < geometry::SegmentCount(path); ++i) {
        const geometry::Cubic c = geometry::SegmentOf(path, i);
        s.points.insert(s.points.end(), {c.p1, c.p2, c.p3});
    }
    return s;
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
            if (!geometry::IsFinite(p)) return false;
    return true;
}

// SVG's y grows down, which bounds do not mind.
Box CurveBounds(const std::vector<Subpath>& subpaths, const Matrix& m) {
    Box box;
    for (const Subpath& subpath : subpaths) {
        if (subpath.points.empty()) continue;
        box.Add(m.Apply(subpath.points[0]));
        for (size_t i = 1; i + 2 < subpath.points.size(); i += 3) {
            const geometry::Cubic c{m.Apply(subpath.points[i - 1]), m.Apply(subpath.points[i]),
                                    m.Apply(subpath.points[i + 1]), m.Apply(subpath.points[i + 2])};
            box.Add(c.Bounds());
        }
    }
    return box;
}

}  // namespace headless::svg
