// Flattening of Bezier shapes into integer polylines for the polygon clipper.
#include "headless/pathfinder/Flatten.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pathfinder {
namespace {

constexpr std::size_t kMaxSteps = 1u << 14;

double Length(Point p) {
    return std::hypot(p.x, p.y);
}

// Segments whose control box overlaps no other segment's box of the same object: replacing such a curve by its
// chord cannot change how the object's own outlines meet.
std::vector<std::vector<bool>> IsolatedSegments(const BezierShape& shape) {
    struct Entry {
        Box box;
        std::size_t path, segment;
    };
    std::vector<Entry> entries;
    std::vector<std::vector<bool>> isolated(shape.paths.size());
    for (std::size_t p = 0; p < shape.paths.size(); ++p) {
        const std::size_t n = SegmentCount(shape.paths[p]);
        isolated[p].assign(n, true);
        for (std::size_t s = 0; s < n; ++s)
            entries.push_back({SegmentOf(shape.paths[p], s).ControlBounds(), p, s});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.box.minX < b.box.minX; });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size() && entries[j].box.minX < entries[i].box.maxX; ++j) {
            if (!entries[i].box.OverlapsInterior(entries[j].box)) continue;
            isolated[entries[i].path][entries[i].segment] = false;
            isolated[entries[j].path][entries[j].segment] = false;
        }
    }
    return isolated;
}

void AppendVertex(FlatPath& flat, const ClipperLib::IntPoint& p, PathParam u) {
    if (!flat.points.empty() && flat.points.back() == p) {  // collapsed by rounding or a zero-length segment
        flat.leaveParams.back() = u;
        return;
    }
    flat.points.push_back(p);
    flat.params.push_back(u);
    flat.leaveParams.push_back(u);
}

// Flattens one path; a segment that isolated marks and that misses the focus, or any segment when only anchors
// are wanted, becomes its chord.
FlatPath FlattenPath(const BezierPath& path, int object, std::size_t p, const FlattenOptions& options,
                     const std::vector<bool>* isolated, bool anchorsOnly) {
    FlatPath flat;
    flat.object = object;
    flat.pathIndex = static_cast<int>(p);
    flat.closed = path.closed;
    flat.segmentCount = SegmentCount(path);
    const std::size_t expected = flat.segmentCount + 1;
    flat.points.reserve(expected);
    flat.params.reserve(expected);
    flat.leaveParams.reserve(expected);
    for (std::size_t s = 0; s < flat.segmentCount; ++s) {
        const Cubic c = SegmentOf(path, s);
        AppendVertex(flat, ToClipper(c.p0, options.scale), static_cast<double>(s));
        const bool chord = anchorsOnly || (isolated && (*isolated)[s] &&
                                           !c.ControlBounds().Intersects(options.focus, options.tolerance));
        const std::size_t steps = chord ? 1 : FlatteningSteps(c, options.tolerance);
        for (std::size_t k = 1; k < steps; ++k) {
            const double t = static_cast<double>(k) / static_cast<double>(steps);
            AppendVertex(flat, ToClipper(c.Evaluate(t), options.scale), static_cast<double>(s) + t);
        }
    }
    const Point last = path.closed ? path.anchors.front().p : path.anchors.back().p;
    AppendVertex(flat, ToClipper(last, options.scale), static_cast<double>(flat.segmentCount));
    flat.closingParam = static_cast<double>(flat.segmentCount);
    if (flat.closed && flat.points.size() > 1 && flat.points.back() == flat.points.front()) {
        flat.closingParam = flat.params.back();  // the closing vertex repeats the first
        flat.points.pop_back();
        flat.params.pop_back();
        flat.leaveParams.pop_back();
    }
    return flat;
}

}  // namespace

std::size_t FlatteningSteps(const Cubic& c, double tolerance) {
    if (c.IsStraight()) return 1;
    const double m = std::max(Length(c.p0 - 2.0 * c.p1 + c.p2), Length(c.p1 - 2.0 * c.p2 + c.p3));
    // Uniform steps of 1/n leave an error of at most 6m / (8 n^2).
    const double n = std::ceil(std::sqrt(0.75 * m / tolerance));
    if (!(n >= 1.0)) return 1;
    return std::min(static_cast<std::size_t>(n), kMaxSteps);
}

ClipperLib::IntPoint ToClipper(Point p, double scale) {
    return {static_cast<ClipperLib::cInt>(std::llround(p.x * scale)),
            static_cast<ClipperLib::cInt>(std::llround(p.y * scale))};
}

Point FromClipper(const ClipperLib::IntPoint& p, double scale) {
    return {static_cast<double>(p.X) / scale, static_cast<double>(p.Y) / scale};
}

void FlattenShape(const BezierShape& shape, int object, const FlattenOptions& options, std::vector<FlatPath>& out) {
    const bool mayChord = !options.focus.IsEmpty() && !options.anchorsOnly;
    const std::vector<std::vector<bool>> isolated =
        mayChord ? IsolatedSegments(shape) : std::vector<std::vector<bool>>{};
    for (std::size_t p = 0; p < shape.paths.size(); ++p) {
        const BezierPath& path = shape.paths[p];
        if (path.anchors.empty()) continue;
        FlatPath flat = FlattenPath(path, object, p, options, mayChord ? &isolated[p] : nullptr, options.anchorsOnly);
        // Anchors that all round to one point may still be joined by curves that reach out.
        if (options.anchorsOnly && flat.points.size() < 2) flat = FlattenPath(path, object, p, options, nullptr, false);
        if (flat.points.size() < 2) continue;
        out.push_back(std::move(flat));
    }
}

ClipperLib::Path OpenPolyline(const FlatPath& flat) {
    ClipperLib::Path line = flat.points;
    if (flat.closed) line.push_back(flat.points.front());
    return line;
}

}  // namespace pathfinder
