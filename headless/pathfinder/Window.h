// A closed polyline cut down to what matters inside a box: every point inside the box is wound around by the result
// as often as by the original, and every edge that meets the box is kept exactly, so the clipper finds the same
// crossings there while the far part costs it next to nothing.
#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

namespace pathfinder {

// How far beyond the subject's vertices, in clipper units, a window around it reaches.
inline constexpr ClipperLib::cInt kWindowMargin = 4;

struct IntBox {
    ClipperLib::cInt minX, minY, maxX, maxY;

    // Nothing yet: the first point added makes the box.
    static IntBox Empty();
    bool IsEmpty() const { return minX > maxX; }
    void Add(const ClipperLib::Path& points);
    void Grow(ClipperLib::cInt margin);
    bool Contains(const ClipperLib::IntPoint& p) const {
        return p.X >= minX && p.X <= maxX && p.Y >= minY && p.Y <= maxY;
    }
};

// True unless the closed box lies wholly beyond the edge's ends or wholly on one side of its line; an edge too close
// to call is taken to meet the box.
bool EdgeMeetsBox(const ClipperLib::IntPoint& a, const ClipperLib::IntPoint& b, const IntBox& box);

// The ring with each run of edges that misses the box replaced by the run pushed onto the box's boundary (its
// vertices clamped to the box) and walked there by the shortest way that goes around as often. False, out
// untouched, when every edge meets the box or too few vertices lie outside it to be worth the work. The box must have
// width and height.
bool WindowRing(const ClipperLib::Path& ring, const IntBox& box, ClipperLib::Path& out);

}  // namespace pathfinder
