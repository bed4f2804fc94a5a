// Mapping, checking and bounding subpaths.
#include "headless/svg/Subpath.h"

#include "headless/geometry/Cubic.h"

namespace headless::svg {

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
