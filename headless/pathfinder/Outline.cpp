// Outline on Bezier shapes: crossings and hidden stretches from the clipper run on open polylines, pieces cut
// from the exact source curves.
#include "headless/pathfinder/Outline.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "headless/pathfinder/ClipperBridge.h"
#include "headless/pathfinder/Contact.h"
#include "headless/pathfinder/LineIntervals.h"
#include "headless/pathfinder/PathBuilder.h"
#include "headless/pathfinder/PathParams.h"
#include "headless/pathfinder/PolylineIndex.h"
#include "headless/pathfinder/Refine.h"
#include "headless/pathfinder/RingMapper.h"
#include "headless/pathfinder/ShapeForms.h"

namespace pathfinder {
namespace {

constexpr int kTop = 0, kUnder = 1;

struct Work {
    const PolylineIndex* index;
    double scale;
    double reach;
    std::vector<std::vector<PathParam>> cuts;  // per flat
    std::vector<Interval> hidden;              // stretches of the lower object under the top one's fill
    // Ends already cut: the runs for what lies inside and outside the top object end at the same crossings.
    std::vector<std::pair<int, PathParam>> ends;
    bool fillHasChords = false;  // the top fill closes open paths with lines that draw nothing
};

std::vector<ClipperLib::Path> LinesOf(const std::vector<FlatPath>& flats, int object, bool openOnly) {
    std::vector<ClipperLib::Path> lines;
    for (const FlatPath& f : flats)
        if (f.object == object && (!openOnly || !f.closed)) lines.push_back(OpenPolyline(f));
    return lines;
}

std::size_t CountClosed(const std::vector<FlatPath>& flats) {
    return static_cast<std::size_t>(
        std::count_if(flats.begin(), flats.end(), [](const FlatPath& f) { return f.closed; }));
}

std::vector<FlatPath> ClosedOf(const std::vector<FlatPath>& flats, int object) {
    std::vector<FlatPath> closed;
    for (const FlatPath& f : flats)
        if (f.object == object && f.closed) closed.push_back(f);
    return closed;
}

// The ends of an open path, or where the polyline of a closed path was opened.
bool IsPathEnd(const FlatPath& f, PathParam u) {
    if (f.closed) return u <= kParamSnap || u >= f.closingParam - kParamSnap;
    return u <= f.leaveParams.front() + kParamSnap || u >= f.params.back() - kParamSnap;
}

// An end of a clipped stretch that lies on the other object's outline is a crossing: refine it on both curves and
// cut both paths there. Other ends (where an opened closed path starts, or a path ends) cut nothing.
void AddCrossing(Work& work, int flat, PathParam u, int otherObject) {
    const FlatPath& f = work.index->Flat(flat);
    if (!f.closed && IsPathEnd(f, u)) return;
    const std::pair<int, PathParam> end{flat, u};
    if (std::find(work.ends.begin(), work.ends.end(), end) != work.ends.end()) return;
    work.ends.push_back(end);
    const BezierPath& path = work.index->SourceOf(flat);
    const Point approx = PointAt(path, u);
    // The other outline is looked for where the clipper cut the polylines: the curve itself may lie up to the
    // flattening tolerance away, too far to tell a crossing edge from a merely nearby one.
    const ClipperLib::IntPoint cut = work.index->PointAtParam(flat, u);
    std::vector<EdgeHit> hits;
    work.index->HitsNear(cut, 4.0, otherObject, false, hits);
    if (hits.empty()) {
        // Where a closed path's polyline was opened is no cut; any other end lies on the top object's fill
        // boundary (the straight closing of an open top path, which draws nothing) and cuts only this path.
        if (work.fillHasChords && !IsPathEnd(f, u))
            work.cuts[static_cast<std::size_t>(flat)].push_back(ClosestParam(path, u, approx));
        return;
    }
    for (EdgeHit& hit : hits) {
        PathParam ua = u, ub = hit.param;
        RefineCrossing(work.index->SourceOf(flat), ua, work.index->SourceOf(hit.flat), ub, approx, work.reach);
        work.cuts[static_cast<std::size_t>(flat)].push_back(ua);
        work.cuts[static_cast<std::size_t>(hit.flat)].push_back(ub);
    }
}

void AddCrossings(Work& work, const std::vector<Interval>& intervals, int otherObject) {
    for (const Interval& i : intervals) {
        AddCrossing(work, i.flat, i.from, otherObject);
        AddCrossing(work, i.flat, i.to, otherObject);
    }
}

// Cut parameters in order along the path, without near-duplicates.
std::vector<PathParam> SortedCuts(const BezierPath& path, std::vector<PathParam> cuts, double tolerance) {
    for (PathParam& u : cuts)
        u = NormalizeParam(path, u);
    std::sort(cuts.begin(), cuts.end());
    std::vector<PathParam> kept;
    // Two cuts are one when the stretch between them has no length to speak of.
    auto same = [&](PathParam a, PathParam b) {
        const Point pa = PointAt(path, a), pb = PointAt(path, b), pm = PointAt(path, a + (b - a) / 2);
        return Distance(pa, pb) <= tolerance && Distance(pa, pm) <= tolerance;
    };
    for (PathParam u : cuts)
        if (kept.empty() || !same(kept.back(), u)) kept.push_back(u);
    if (path.closed && kept.size() > 1 && same(kept.back(), kept.front() + static_cast<double>(SegmentCount(path))))
        kept.pop_back();
    return kept;
}

bool IsHidden(const Work& work, int flat, PathParam from, PathParam to) {
    const FlatPath& f = work.index->Flat(flat);
    PathParam mid = from + (to - from) / 2;
    if (f.closed) mid = NormalizeParam(work.index->SourceOf(flat), mid);
    for (const Interval& i : work.hidden)
        if (i.flat == flat && mid >= i.from && mid <= i.to) return true;
    return false;
}

void EmitPieces(const Work& work, int flat, double tolerance, OutlineResult& result) {
    const FlatPath& f = work.index->Flat(flat);
    const BezierPath& path = work.index->SourceOf(flat);
    const double n = static_cast<double>(f.segmentCount);
    std::vector<PathParam> cuts = SortedCuts(path, work.cuts[static_cast<std::size_t>(flat)], tolerance);
    std::vector<std::pair<PathParam, PathParam>> spans;
    if (f.closed) {
        for (std::size_t i = 0; i < cuts.size(); ++i) {
            const PathParam from = cuts[i];
            PathParam to = i + 1 < cuts.size() ? cuts[i + 1] : cuts[0] + n;
            spans.push_back({from, to});
        }
    } else {
        cuts.erase(std::remove_if(cuts.begin(), cuts.end(), [&](PathParam u) { return IsPathEnd(f, u); }), cuts.end());
        PathParam from = 0.0;
        for (PathParam u : cuts)
            spans.push_back({std::exchange(from, u), u});
        spans.push_back({from, n});
    }
    const OutlineSource source = f.object == kTop ? OutlineSource::kTop : OutlineSource::kUnder;
    if (f.closed && cuts.empty()) {
        if (!(f.object == kUnder && IsHidden(work, flat, 0.0, n))) result.pieces.push_back({source, f.pathIndex, path});
        return;
    }
    for (const auto& [from, to] : spans) {
        if (f.object == kUnder && IsHidden(work, flat, from, to)) continue;
        std::vector<Cubic> pieces;
        EmitStretch(path, from, to - from, pieces);
        if (pieces.empty()) continue;
        result.pieces.push_back({source, f.pathIndex, BuildPath(pieces, false)});
    }
}

}  // namespace

OutlineResult Outline(const BezierShape& top, const BezierShape& under, const OutlineOptions& options) {
    OutlineResult result;
    if (!HasFiniteCoordinates(top) || !HasFiniteCoordinates(under)) {
        result.status = Failure(PathfinderStatus::kInvalidInput);
        return result;
    }
    const double tolerance = options.tolerances.flatten, scale = options.tolerances.clipperScale;
    const BezierShape filledTop = FilledForm(top);
    const bool hides = options.topFilled && HasExtent(filledTop);
    const Box topBox = ControlBounds(filledTop), underBox = ControlBounds(under);
    const bool meet = (hides && AnchorsOnBothSides(under, filledTop, topBox)) ||
                      OutlinesMayTouch(hides ? filledTop : top, under, tolerance);
    std::vector<FlatPath> flats, topAreas;
    bool fillHasChords = false;
    if (meet) {
        // The top object fine where the lower one lies, the lower one fine only near the top one's stretches
        // (those of its paths and of the fill that closes them) that came out fine. A larger curved top object
        // then needs to be fine only near the lower one's stretches, whose chords keep clear of its curves; and
        // when the lower object is lines alone, which come out the same wherever the top one lies, the first pass
        // over the top object only has to tell which of its paths are kept.
        const bool largerCurvedTop = BoxArea(topBox) >= BoxArea(underBox) && HasCurves(top);
        std::vector<Box> stretches;
        FlattenOptions topOptions{tolerance, scale, underBox};
        topOptions.stretchBoxes = &stretches;
        topOptions.anchorsOnly = largerCurvedTop && !HasCurves(under);
        FlattenShape(top, kTop, topOptions, flats);
        const std::size_t closedTop = CountClosed(flats);
        fillHasChords = hides && top.paths.size() != closedTop;
        const bool refineTop = largerCurvedTop && !fillHasChords;
        auto flattenTopFully = [&] {
            flats.clear();
            stretches.clear();
            topOptions.anchorsOnly = false;
            FlattenShape(top, kTop, topOptions, flats);
        };
        if (topOptions.anchorsOnly && !refineTop) flattenTopFully();
        if (fillHasChords)
            FlattenShape(filledTop, kTop, topOptions, topAreas);
        else if (!refineTop)
            topAreas = ClosedOf(flats, kTop);
        std::vector<Box> near;
        for (const Box& b : stretches)
            if (b.Intersects(underBox, tolerance)) near.push_back(b);
        Box focus = topBox;
        focus.Add(ControlBounds(top));
        FlattenOptions underOptions{tolerance, scale, focus};
        underOptions.near = &near;
        // The lower object's paths are areas only for the top object's open paths.
        underOptions.keepOwnCrossings = top.paths.size() != closedTop;
        std::vector<Box> underStretches;
        if (refineTop) underOptions.stretchBoxes = &underStretches;
        std::vector<FlatPath> underFlats;
        FlattenShape(under, kUnder, underOptions, underFlats);
        if (refineTop && !underStretches.empty()) {
            flats.clear();
            FlattenNearStretches(top, kTop, underStretches, topBox, underBox, tolerance, scale, flats);
        } else if (topOptions.anchorsOnly) {
            flattenTopFully();
        }
        if (refineTop) topAreas = ClosedOf(flats, kTop);
        flats.reserve(flats.size() + underFlats.size());
        for (FlatPath& f : underFlats)
            flats.push_back(std::move(f));
    } else {
        // Outlines that do not meet are emitted whole from their sources: their polylines are never read.
        FlattenShape(top, kTop, {tolerance, scale, Box::Empty(), true}, flats);
        FlattenShape(under, kUnder, {tolerance, scale, Box::Empty(), true}, flats);
    }
    const PolylineIndex index(std::move(flats), {&top, &under});
    Work work{&index, scale, options.tolerances.CrossingReach(), {}, {}, {}};
    work.cuts.resize(index.Flats().size());
    if (meet) {
        RingMapper mapper(index, options.tolerances);
        const std::vector<FlatPath>& all = index.Flats();
        // The lower object's outlines against the top object's area (its fill when it hides, else its closed
        // paths): crossings, and what lies beneath.
        work.fillHasChords = fillHasChords;
        const std::vector<FlatPath> underAreas = ClosedOf(all, kUnder);
        const std::vector<ClipperLib::Path> underLines = LinesOf(all, kUnder, false);
        ClipperLib::PolyTree inside, outside;
        if (!topAreas.empty() && !ClipLines(underLines, topAreas, top.fillRule, &inside, &outside)) {
            result.status = Failure(PathfinderStatus::kClipperFailed);
            return result;
        }
        for (ClipperLib::PolyTree* tree : {&inside, &outside}) {
            if (topAreas.empty()) break;
            std::vector<Interval> intervals;
            if (!CollectIntervals(*tree, mapper, kUnder, intervals)) {
                result.status = Failure(PathfinderStatus::kUnmappedEdge);
                return result;
            }
            AddCrossings(work, intervals, kTop);
            if (tree == &inside && hides) work.hidden = intervals;
        }
        // The top object's open paths against the lower object's closed ones.
        const std::vector<ClipperLib::Path> topOpenLines = LinesOf(all, kTop, true);
        if (!topOpenLines.empty() && !underAreas.empty()) {
            ClipperLib::PolyTree tree;
            std::vector<Interval> intervals;
            if (!ClipLines(topOpenLines, underAreas, under.fillRule, &tree, nullptr) ||
                !CollectIntervals(tree, mapper, kTop, intervals)) {
                result.status = Failure(PathfinderStatus::kClipperFailed);
                return result;
            }
            AddCrossings(work, intervals, kUnder);
        }
    } else if (hides) {
        for (std::size_t fi = 0; fi < index.Flats().size(); ++fi) {
            const FlatPath& f = index.Flat(static_cast<int>(fi));
            if (f.object == kUnder && IsInsideFill(filledTop, index.SourceOf(static_cast<int>(fi)).anchors[0].p))
                work.hidden.push_back({static_cast<int>(fi), 0.0, static_cast<double>(f.segmentCount)});
        }
    }
    for (std::size_t fi = 0; fi < index.Flats().size(); ++fi)
        EmitPieces(work, static_cast<int>(fi), tolerance, result);
    return result;
}

}  // namespace pathfinder
