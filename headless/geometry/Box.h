// An axis-aligned box. A default box is empty (min above max), so that adding to it needs no special first case;
// an empty box has no extent, meets nothing and leaves any box it is added to unchanged.
#pragma once

#include <algorithm>
#include <limits>

#include "headless/geometry/Point.h"

namespace geometry {

struct Box {
    static constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double minX = kInfinity, minY = kInfinity, maxX = -kInfinity, maxY = -kInfinity;

    static Box Empty() { return {}; }
    bool IsEmpty() const { return !(minX <= maxX && minY <= maxY); }
    double Width() const { return IsEmpty() ? 0.0 : maxX - minX; }
    double Height() const { return IsEmpty() ? 0.0 : maxY - minY; }

    // Inline: every flattened vertex and every stretch passes through these.
    void Add(Point p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    void Add(const Box& o) {
        minX = std::min(minX, o.minX);
        minY = std::min(minY, o.minY);
        maxX = std::max(maxX, o.maxX);
        maxY = std::max(maxY, o.maxY);
    }
    // True when the closed boxes, each grown by margin, share a point.
    bool Intersects(const Box& o, double margin = 0.0) const {
        return minX <= o.maxX + margin && o.minX <= maxX + margin && minY <= o.maxY + margin && o.minY <= maxY + margin;
    }
    // True when the interiors overlap, so boxes that only share an edge or a corner do not count.
    bool OverlapsInterior(const Box& o) const {
        return minX < o.maxX && o.minX < maxX && minY < o.maxY && o.minY < maxY;
    }
};

}  // namespace geometry
