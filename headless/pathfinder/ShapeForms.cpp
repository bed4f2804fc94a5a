// Checks and normalised forms of input shapes.
#include "headless/pathfinder/ShapeForms.h"

#include <cmath>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {
bool HasFiniteCoordinates(const BezierShape& shape) {
    for (const BezierPath& path : shape.paths)
        for (const Anchor& a : path.anchors)
            if (!IsFinite(a.p) || !IsFinite(a.in) || !IsFinite(a.out)) return false;
    return true;
}

BezierShape FilledForm(const BezierShape& shape) {
    BezierShape filled = shape;
    for (BezierPath& path : filled.paths) {
        if (path.closed || path.anchors.empty()) continue;
        path.closed = true;
        path.anchors.back().out = path.anchors.back().p;
        path.anchors.front().in = path.anchors.front().p;
    }
    return filled;
}

const BezierShape& FilledForm(const BezierShape& shape, BezierShape& storage) {
    for (const BezierPath& path : shape.paths) {
        if (!path.closed && !path.anchors.empty()) {
            storage = FilledForm(shape);
            return storage;
        }
    }
    return shape;
}

bool HasExtent(const BezierShape& shape) {
    for (const BezierPath& path : shape.paths) {
        if (path.anchors.empty()) continue;
        const Point o = path.anchors.front().p;
        Point direction{0.0, 0.0};
        for (const Anchor& a : path.anchors) {
            for (const Point q : {a.p, a.in, a.out}) {
                const Point d = q - o;
                if (direction.x == 0.0 && direction.y == 0.0) {
                    direction = d;
                } else if (Cross(direction, d) != 0.0) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace pathfinder
