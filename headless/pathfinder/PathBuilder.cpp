// Assembles a Bezier path from consecutive cubic pieces.
#include "headless/pathfinder/PathBuilder.h"

namespace pathfinder {

BezierPath BuildPath(const std::vector<Cubic>& pieces, bool closed) {
    BezierPath path;
    path.closed = closed;
    if (pieces.empty()) return path;
    path.anchors.reserve(pieces.size() + 1);
    path.anchors.push_back(Anchor::Corner(pieces.front().p0));
    for (const Cubic& c : pieces) {
        path.anchors.back().out = c.p1;
        path.anchors.push_back(Anchor{c.p3, c.p2, c.p3});
    }
    if (closed && path.anchors.size() > 1) {
        path.anchors.front().in = path.anchors.back().in;
        path.anchors.pop_back();
    }
    return path;
}

std::vector<Cubic> SegmentsOf(const BezierPath& path) {
    std::vector<Cubic> segments;
    const std::size_t n = SegmentCount(path);
    segments.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        segments.push_back(SegmentOf(path, i));
    return segments;
}

}  // namespace pathfinder
