// Flattening of Bezier shapes into integer polylines for the polygon clipper.
#include "headless/pathfinder/Flatten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "headless/geometry/Tolerance.h"
#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/RecentAnswers.h"

namespace pathfinder {
namespace {

// Parameters cutting a segment: at most its two ends and two turning points in each coordinate.
class Cuts {
public:
    void push_back(double t) { t_[n_++] = t; }
    std::size_t size() const { return n_; }
    bool empty() const { return n_ == 0; }
    double operator[](std::size_t i) const { return t_[i]; }
    void clear() { n_ = 0; }
    double& back() { return t_[n_ - 1]; }
    // Sorts the parameters and keeps one of each run closer together than merge.
    void SortAndMerge(double merge) {
        for (std::size_t i = 1; i < n_; ++i)
            for (std::size_t j = i; j > 0 && t_[j] < t_[j - 1]; --j)
                std::swap(t_[j], t_[j - 1]);
        std::size_t kept = n_ > 0 ? 1 : 0;
        for (std::size_t i = 1; i < n_; ++i)
            if (t_[i] - t_[kept - 1] >= merge) t_[kept++] = t_[i];
        n_ = kept;
    }

private:
    std::array<double, 6> t_{};
    std::size_t n_ = 0;
};

// Adds the parameters inside (0, 1) where the coordinate with control values a, b, c, d turns back.
void AddTurningParams(double a, double b, double c, double d, Cuts& out) {
    double turns[2];
    const int n = geometry::TurningParams(a, b, c, d, turns);
    for (int i = 0; i < n; ++i)
        out.push_back(turns[i]);
}

// Cuts of c at its turning points in x and y: 0, the turning parameters in order, 1. Between two cuts the curve is
// monotone in both, so it and any polyline through its points in order lie in the box of the stretch's ends.
Cuts MonotoneParams(const Cubic& c) {
    Cuts cuts;
    cuts.push_back(0.0);
    if (!c.IsStraight()) {
        AddTurningParams(c.p0.x, c.p1.x, c.p2.x, c.p3.x, cuts);
        AddTurningParams(c.p0.y, c.p1.y, c.p2.y, c.p3.y, cuts);
    }
    cuts.push_back(1.0);
    cuts.SortAndMerge(geometry::kSameTurningParam);
    cuts.back() = 1.0;
    return cuts;
}

Box BoxOfEnds(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// How far chords may stand in for a segment without changing how the object's own outlines meet: not at all, only
// within its monotone stretches (their end boxes overlap no other stretch's of the object), or as one chord for the
// whole segment (its control box overlaps no other segment's).
enum class Isolation : unsigned char { kNone, kStretches, kWhole };

// Sets kNone for both owners of every pair of boxes whose interiors overlap.
template <typename Entry>
void MarkOverlaps(std::vector<Entry>& entries, std::vector<std::vector<Isolation>>& isolation, Isolation lowered) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.box.minX < b.box.minX; });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size() && entries[j].box.minX < entries[i].box.maxX; ++j) {
            if (!entries[i].box.OverlapsInterior(entries[j].box)) continue;
            for (const Entry* e : {&entries[i], &entries[j]}) {
                Isolation& mark = isolation[e->path][e->segment];
                mark = std::min(mark, lowered);
            }
        }
    }
}

// Boxes that overlap only along an edge through the point two consecutive stretches share hold polylines that meet
// only there: each stretch reaches that edge's line at its shared end alone.
std::vector<std::vector<Isolation>> IsolatedSegments(const BezierShape& shape) {
    struct Entry {
        Box box;
        std::size_t path, segment;
    };
    std::vector<Entry> segments, stretches;
    std::vector<std::vector<Isolation>> isolation(shape.paths.size());
    for (std::size_t p = 0; p < shape.paths.size(); ++p) {
        const std::size_t n = SegmentCount(shape.paths[p]);
        isolation[p].assign(n, Isolation::kWhole);
        for (std::size_t s = 0; s < n; ++s) {
            const Cubic c = SegmentOf(shape.paths[p], s);
            segments.push_back({c.ControlBounds(), p, s});
            const Cuts cuts = MonotoneParams(c);
            Point from = c.p0;
            for (std::size_t k = 1; k < cuts.size(); ++k) {
                const Point to = k + 1 == cuts.size() ? c.p3 : c.Evaluate(cuts[k]);
                stretches.push_back({BoxOfEnds(from, to), p, s});
                from = to;
            }
        }
    }
    MarkOverlaps(segments, isolation, Isolation::kStretches);
    MarkOverlaps(stretches, isolation, Isolation::kNone);
    return isolation;
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

// Below this many uniform steps a stretch near the other object is flattened as it is rather than cut further.
constexpr std::size_t kFineSteps = geometry::kFineFlatteningSteps;
constexpr int kMaxSplitDepth = geometry::kMaxStretchSplitDepth;
constexpr std::size_t kMaxChunks = geometry::kMaxChordChunks;

bool SamePaths(const std::vector<BezierPath>& a, const std::vector<BezierPath>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].closed != b[i].closed || a[i].anchors != b[i].anchors) return false;
    return true;
}

// The isolation of the last two shapes asked about: the region and the shape cut against it.
const std::vector<std::vector<Isolation>>& CachedIsolation(const BezierShape& shape) {
    thread_local RecentAnswers<std::vector<BezierPath>, std::vector<std::vector<Isolation>>, 2> recent;
    return recent.Get(shape.paths, SamePaths, [&] { return IsolatedSegments(shape); });
}

// Cuts of c into monotone stretches, or none when those stretches might come near each other: then a polyline
// through points of the curve in order might cross itself once some of it is chords. Consecutive stretches' boxes
// share the corner where they join and may share an edge through it, not more.
Cuts MonotoneCuts(const Cubic& c) {
    Cuts cuts = MonotoneParams(c);
    std::array<Box, 5> boxes;
    const std::size_t count = cuts.size() - 1;
    Point from = c.p0;
    for (std::size_t i = 0; i < count; ++i) {
        const Point to = c.Evaluate(cuts[i + 1]);
        boxes[i] = BoxOfEnds(from, to);
        from = to;
    }
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j)
            if (j == i + 1 ? boxes[i].OverlapsInterior(boxes[j]) : boxes[i].Intersects(boxes[j])) cuts.clear();
    return cuts;
}

// Appends the vertices of one segment after its start: uniformly, as one chord, or finely only near the other
// object.
class SegmentFlattener {
public:
    SegmentFlattener(FlatPath& flat, const FlattenOptions& options, const Cubic& c, std::size_t s)
        : flat_(flat), options_(options), c_(c), s_(static_cast<double>(s)) {}

    bool NearOther(const Box& b) const {
        if (!b.Intersects(options_.focus, options_.tolerance)) return false;
        if (!options_.near) return true;
        for (const Box& n : *options_.near)
            if (b.Intersects(n, options_.tolerance)) return true;
        return false;
    }

    void Uniform(const Cubic& piece, double t0, double t1, std::size_t steps) {
        RecordInChunks(piece, steps);
        for (std::size_t k = 1; k < steps; ++k)
            Vertex(t0 + (t1 - t0) * static_cast<double>(k) / static_cast<double>(steps));
        EndAt(t1);
    }

    // Chords where the stretch keeps clear of the other object, uniform steps where it comes near. The stretch is
    // monotone in x and y, so the curve and its chord both lie in the box of its ends.
    void Adaptive(const Cubic& piece, double t0, double t1, int depth) {
        const Box box = BoxOfEnds(piece.p0, piece.p3);
        if (!NearOther(box)) {
            Record(box);
            EndAt(t1);
            return;
        }
        const std::size_t steps = FlatteningSteps(piece, options_.tolerance);
        if (steps <= kFineSteps || depth >= kMaxSplitDepth) {
            Uniform(piece, t0, t1, steps);
            return;
        }
        Cubic left, right;
        piece.Split(0.5, left, right);
        const double mid = t0 + (t1 - t0) / 2;
        Adaptive(left, t0, mid, depth + 1);
        Adaptive(right, mid, t1, depth + 1);
    }

private:
    void Vertex(double t) { AppendVertex(flat_, ToClipper(c_.Evaluate(t), options_.scale), s_ + t); }
    // The segment's own end is the next segment's start.
    void EndAt(double t) {
        if (t < 1.0) Vertex(t);
    }
    void Record(const Box& b) {
        if (options_.stretchBoxes) options_.stretchBoxes->push_back(b);
    }
    // A stretch long beside the other object's bounds is recorded in chunks, so that the other object does not
    // count all of it as near. A curve's chunks hold whole steps, so that each chord lies in its chunk's box.
    void RecordInChunks(const Cubic& piece, std::size_t steps) {
        if (!options_.stretchBoxes) return;
        const Box box = piece.ControlBounds();
        const double focus = Extent(options_.focus), size = Extent(box);
        std::size_t chunks = focus > 0.0 ? static_cast<std::size_t>(std::clamp(std::ceil(16.0 * size / focus), 1.0,
                                                                               static_cast<double>(kMaxChunks)))
                                         : 1;
        if (!piece.IsStraight()) chunks = std::min(chunks, steps);
        if (chunks <= 1 || !box.Intersects(options_.focus, options_.tolerance)) {
            Record(box);
            return;
        }
        if (piece.IsStraight()) {
            RecordLineInChunks(piece.p0, piece.p3, chunks);
            return;
        }
        const double perChunk =
            std::ceil(static_cast<double>(steps) / static_cast<double>(chunks)) / static_cast<double>(steps);
        for (double from = 0.0; from < 1.0; from += perChunk) {
            const Box part = piece.SubCurve(from, std::min(1.0, from + perChunk)).ControlBounds();
            if (part.Intersects(options_.focus, options_.tolerance)) Record(part);
        }
    }
    // A line's chunks are the boxes of its equal parts; only the parts within reach of the focus are looked at.
    void RecordLineInChunks(Point a, Point b, std::size_t chunks) {
        const double n = static_cast<double>(chunks), reach = options_.tolerance;
        double lo = 0.0, hi = 1.0;
        // The parameters where each coordinate of the line lies within the focus widened by the reach.
        auto clip = [&](double from, double to, double min, double max) {
            if (from == to) return;
            double t0 = (min - reach - from) / (to - from), t1 = (max + reach - from) / (to - from);
            if (t0 > t1) std::swap(t0, t1);
            lo = std::max(lo, t0);
            hi = std::min(hi, t1);
        };
        clip(a.x, b.x, options_.focus.minX, options_.focus.maxX);
        clip(a.y, b.y, options_.focus.minY, options_.focus.maxY);
        if (lo > hi) return;
        const std::size_t first = static_cast<std::size_t>(std::max(0.0, std::floor(lo * n) - 1.0));
        const std::size_t last = std::min(chunks, static_cast<std::size_t>(std::ceil(hi * n)) + 1);
        for (std::size_t k = first; k < last; ++k) {
            const Box part = BoxOfEnds(Lerp(a, b, static_cast<double>(k) / n),
                                       k + 1 == chunks ? b : Lerp(a, b, static_cast<double>(k + 1) / n));
            if (part.Intersects(options_.focus, options_.tolerance)) Record(part);
        }
    }
    static double Extent(const Box& b) { return b.IsEmpty() ? 0.0 : (b.maxX - b.minX) + (b.maxY - b.minY); }

    FlatPath& flat_;
    const FlattenOptions& options_;
    const Cubic& c_;
    double s_;
};

// Flattens one path. A segment that isolation allows may be replaced by chords away from the other object; with
// anchorsOnly, every segment becomes its chord.
FlatPath FlattenPath(const BezierPath& path, int object, std::size_t p, const FlattenOptions& options,
                     const std::vector<Isolation>* isolation, bool anchorsOnly) {
    FlatPath flat;
    flat.object = object;
    flat.pathIndex = static_cast<int>(p);
    flat.closed = path.closed;
    flat.segmentCount = SegmentCount(path);
    // A curve near the other object takes several vertices; growing three vectors step by step costs more.
    const std::size_t expected = (anchorsOnly ? 1 : 4) * flat.segmentCount + 1;
    flat.points.reserve(expected);
    flat.params.reserve(expected);
    flat.leaveParams.reserve(expected);
    for (std::size_t s = 0; s < flat.segmentCount; ++s) {
        const Cubic c = SegmentOf(path, s);
        AppendVertex(flat, ToClipper(c.p0, options.scale), static_cast<double>(s));
        SegmentFlattener segment(flat, options, c, s);
        if (anchorsOnly) {
            segment.Uniform(c, 0.0, 1.0, 1);
            continue;
        }
        const Isolation isolated = isolation ? (*isolation)[s] : Isolation::kNone;
        const bool mayChord = isolated != Isolation::kNone;
        if (isolated == Isolation::kWhole && !segment.NearOther(c.ControlBounds())) {
            segment.Uniform(c, 0.0, 1.0, 1);
            continue;
        }
        const std::size_t steps = FlatteningSteps(c, options.tolerance);
        // Lines alone may cross themselves: any cut into monotone stretches will do.
        const Cuts cuts = !mayChord || steps <= kFineSteps ? Cuts{}
                          : options.keepOwnCrossings       ? MonotoneCuts(c)
                                                           : MonotoneParams(c);
        if (cuts.empty()) {
            segment.Uniform(c, 0.0, 1.0, steps);
            continue;
        }
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
            segment.Adaptive(c.SubCurve(cuts[i], cuts[i + 1]), cuts[i], cuts[i + 1], 0);
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

double PolygonArea(const ClipperLib::Path& points) {
    double twice = 0.0;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
        twice += static_cast<double>(points[j].X) * static_cast<double>(points[i].Y) -
                 static_cast<double>(points[i].X) * static_cast<double>(points[j].Y);
    return twice / 2;
}

// Chords that leave a closed path without area, or wound the other way, would change what the clipper sees.
bool ChordsKeepTheFace(const BezierPath& path, const FlatPath& flat) {
    if (!path.closed) return true;
    if (flat.points.size() < 3) return false;
    const double exact = SignedArea(path), chorded = PolygonArea(flat.points);
    return (exact > 0.0 && chorded > 0.0) || (exact < 0.0 && chorded < 0.0);
}

}  // namespace

bool HasCurves(const BezierShape& shape) {
    for (const BezierPath& path : shape.paths)
        for (std::size_t s = 0, n = SegmentCount(path); s < n; ++s)
            if (!SegmentOf(path, s).IsStraight()) return true;
    return false;
}

double BoxArea(const Box& b) {
    return b.IsEmpty() ? 0.0 : (b.maxX - b.minX) * (b.maxY - b.minY);
}

namespace {

// std::llround (halves away from zero) without the library call, which every flattened vertex pays: truncation
// and the remainder are exact below 2^62; beyond, the library decides.
ClipperLib::cInt RoundToUnits(double v) {
    constexpr double kExactLimit = 4.0e18;
    if (!(std::fabs(v) < kExactLimit)) return static_cast<ClipperLib::cInt>(std::llround(v));
    ClipperLib::cInt i = static_cast<ClipperLib::cInt>(v);
    const double rest = v - static_cast<double>(i);
    if (rest >= 0.5)
        ++i;
    else if (rest <= -0.5)
        --i;
    return i;
}

}  // namespace

ClipperLib::IntPoint ToClipper(Point p, double scale) {
    return {RoundToUnits(p.x * scale), RoundToUnits(p.y * scale)};
}

Point FromClipper(const ClipperLib::IntPoint& p, double scale) {
    return {static_cast<double>(p.X) / scale, static_cast<double>(p.Y) / scale};
}

void FlattenShape(const BezierShape& shape, int object, const FlattenOptions& options, std::vector<FlatPath>& out) {
    const bool mayChord = !options.focus.IsEmpty() && !options.anchorsOnly;
    std::vector<std::vector<Isolation>> anyChord;
    if (mayChord && !options.keepOwnCrossings) {
        for (const BezierPath& path : shape.paths)
            anyChord.emplace_back(SegmentCount(path), Isolation::kWhole);
    }
    const std::vector<std::vector<Isolation>>& isolated =
        mayChord && options.keepOwnCrossings ? CachedIsolation(shape) : anyChord;
    out.reserve(out.size() + shape.paths.size());
    for (std::size_t p = 0; p < shape.paths.size(); ++p) {
        const BezierPath& path = shape.paths[p];
        if (path.anchors.empty()) continue;
        FlatPath flat = FlattenPath(path, object, p, options, mayChord ? &isolated[p] : nullptr, options.anchorsOnly);
        // Anchors that all round to one point may still be joined by curves that reach out.
        if (options.anchorsOnly && flat.points.size() < 2) flat = FlattenPath(path, object, p, options, nullptr, false);
        if (mayChord && options.keepOwnCrossings && !ChordsKeepTheFace(path, flat))
            flat = FlattenPath(path, object, p, options, nullptr, false);
        if (flat.points.size() < 2) continue;
        out.push_back(std::move(flat));
    }
}

void FlattenNearStretches(const BezierShape& shape, int object, const std::vector<Box>& otherStretches,
                          const Box& shapeBox, const Box& focus, double tolerance, double scale,
                          std::vector<FlatPath>& out) {
    std::vector<Box> near;
    for (const Box& b : otherStretches)
        if (b.Intersects(shapeBox, tolerance)) near.push_back(b);
    FlattenOptions options{tolerance, scale, focus};
    options.near = &near;
    FlattenShape(shape, object, options, out);
}

void FlattenPair(const BezierShape& top, const BezierShape& under, double tolerance, double scale,
                 std::vector<FlatPath>& out) {
    const Box topBox = ControlBounds(top), underBox = ControlBounds(under);
    const bool topFirst = BoxArea(topBox) >= BoxArea(underBox);
    const BezierShape& larger = topFirst ? top : under;
    const BezierShape& smaller = topFirst ? under : top;
    const Box& largerBox = topFirst ? topBox : underBox;
    const Box& smallerBox = topFirst ? underBox : topBox;
    std::vector<Box> stretches;
    std::vector<FlatPath> first, second;
    const bool largerCurved = HasCurves(larger);
    std::vector<Box> near;
    FlattenOptions smallerOptions{tolerance, scale, largerBox};
    // Lines come out the same wherever the other object lies, so a smaller object of lines alone needs no first
    // pass over the larger one when the larger one is flattened again near it below.
    const bool firstPass = !largerCurved || HasCurves(smaller);
    FlattenOptions options{tolerance, scale, smallerBox};
    if (firstPass) {
        options.stretchBoxes = &stretches;
        FlattenShape(larger, topFirst ? 0 : 1, options, first);
        for (const Box& b : stretches)
            if (b.Intersects(smallerBox, tolerance)) near.push_back(b);
        smallerOptions.near = &near;
    }
    std::vector<Box> smallerStretches;
    if (largerCurved) smallerOptions.stretchBoxes = &smallerStretches;
    FlattenShape(smaller, topFirst ? 1 : 0, smallerOptions, second);
    if (!smallerStretches.empty()) {
        // The larger object's curves came out fine all across the smaller one's bounds; they need to be fine only
        // near the smaller one's own stretches. The smaller one's chords keep clear of the larger one's curves,
        // which its new polyline follows within the tolerance wherever it is fine.
        first.clear();
        FlattenNearStretches(larger, topFirst ? 0 : 1, smallerStretches, largerBox, smallerBox, tolerance, scale,
                             first);
    } else if (!firstPass) {
        FlattenShape(larger, topFirst ? 0 : 1, options, first);
    }
    std::vector<FlatPath>& topFlats = topFirst ? first : second;
    std::vector<FlatPath>& underFlats = topFirst ? second : first;
    out.reserve(out.size() + topFlats.size() + underFlats.size());
    for (FlatPath& f : topFlats)
        out.push_back(std::move(f));
    for (FlatPath& f : underFlats)
        out.push_back(std::move(f));
}

ClipperLib::Path OpenPolyline(const FlatPath& flat) {
    ClipperLib::Path line = flat.points;
    if (flat.closed) line.push_back(flat.points.front());
    return line;
}

}  // namespace pathfinder
