// Crop on Bezier shapes: quick answers where the objects do not meet, the clipper and the mapping back otherwise.
#include "headless/pathfinder/Crop.h"

#include <algorithm>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/ClipperBridge.h"
#include "headless/pathfinder/Contact.h"
#include "headless/pathfinder/PathBuilder.h"
#include "headless/pathfinder/PolylineIndex.h"
#include "headless/pathfinder/RingMapper.h"
#include "headless/pathfinder/ShapeForms.h"
#include "headless/pathfinder/SimplePath.h"

namespace pathfinder {
namespace {

enum class Placement { kCrossing, kApart, kUnderInsideTop, kTopInsideUnder };

bool AllPathsInside(const BezierShape& paths, const BezierShape& region, bool inside) {
    for (const BezierPath& path : paths.paths) {
        if (path.anchors.empty()) continue;
        if (IsInsideFill(region, path.anchors.front().p) != inside) return false;
    }
    return true;
}

// Where outlines do not meet, each path lies wholly inside or outside the other object's fill.
Placement Place(const BezierShape& top, const BezierShape& under, const Box& topBox, const Box& underBox,
                double tolerance) {
    if (!topBox.Intersects(underBox, tolerance)) return Placement::kApart;
    if (AnchorsOnBothSides(under, top, topBox) || AnchorsOnBothSides(top, under, underBox)) return Placement::kCrossing;
    if (OutlinesMayTouch(top, under, tolerance)) return Placement::kCrossing;
    const bool topOutsideUnder = AllPathsInside(top, under, false);
    if (topOutsideUnder && AllPathsInside(under, top, false)) return Placement::kApart;
    if (topOutsideUnder && AllPathsInside(under, top, true)) return Placement::kUnderInsideTop;
    if (AllPathsInside(top, under, true) && AllPathsInside(under, top, false)) return Placement::kTopInsideUnder;
    return Placement::kCrossing;
}

void AddWhole(const BezierShape& shape, CropRole role, CropResult& result) {
    if (HasExtent(shape)) result.pieces.push_back(CropPiece{role, shape});
}

// The path as a face boundary: zero-length segments left out, as the clipper drops them, and wound
// counter-clockwise for an outer boundary or clockwise for a hole.
BezierPath Boundary(const BezierPath& path, bool outer) {
    std::vector<Cubic> segments;
    for (const Cubic& c : SegmentsOf(path))
        if (!(c.p0 == c.p1 && c.p1 == c.p2 && c.p2 == c.p3)) segments.push_back(c);
    if ((SignedArea(path) > 0.0) != outer) {
        std::reverse(segments.begin(), segments.end());
        for (Cubic& c : segments)
            c = c.Reversed();
    }
    return BuildPath(segments, true);
}

// The top object minus a lower one that lies inside it without touching: when both are single simple loops, the
// one face is the top loop with the lower loop as its hole, whatever the fill rules. False when that cannot be
// shown and the clipper has to decide.
bool AddTopAroundHole(const BezierShape& top, const BezierShape& under, double tolerance, CropResult& result) {
    if (top.paths.size() != 1 || under.paths.size() != 1) return false;
    if (!IsProvablySimple(under.paths[0], tolerance) || !IsProvablySimple(top.paths[0], tolerance)) return false;
    BezierShape face;
    face.paths.push_back(Boundary(top.paths[0], true));
    face.paths.push_back(Boundary(under.paths[0], false));
    result.pieces.push_back(CropPiece{CropRole::kTopOnly, std::move(face)});
    return true;
}

// Turns each outer polygon of the tree and its holes into one face.
PathfinderStatus CollectFaces(const ClipperLib::PolyNode& node, CropRole role, RingMapper& mapper, CropResult& result) {
    for (const ClipperLib::PolyNode* child : node.Childs) {
        if (child->IsHole()) continue;
        CropPiece piece{role, BezierShape{}};
        BezierPath outer;
        if (!mapper.MapRing(child->Contour, outer)) return Failure(PathfinderStatus::kUnmappedEdge);
        const bool keep = !outer.anchors.empty();
        if (keep) piece.shape.paths.push_back(std::move(outer));
        BezierPath second;
        if (mapper.TakeSecondLoop(second) && keep) piece.shape.paths.push_back(std::move(second));
        for (const ClipperLib::PolyNode* hole : child->Childs) {
            BezierPath ring;
            if (!mapper.MapRing(hole->Contour, ring)) return Failure(PathfinderStatus::kUnmappedEdge);
            if (keep && !ring.anchors.empty()) piece.shape.paths.push_back(std::move(ring));
            if (mapper.TakeSecondLoop(second) && keep) piece.shape.paths.push_back(std::move(second));
            // Islands inside the hole are faces of their own.
            const PathfinderStatus status = CollectFaces(*hole, role, mapper, result);
            if (status != PathfinderStatus::kOk) return status;
        }
        if (keep) result.pieces.push_back(std::move(piece));
    }
    return PathfinderStatus::kOk;
}

}  // namespace

CropResult Crop(const BezierShape& topInput, const BezierShape& underInput, const CropOptions& options) {
    CropResult result;
    if (!HasFiniteCoordinates(topInput) || !HasFiniteCoordinates(underInput)) {
        result.status = Failure(PathfinderStatus::kInvalidInput);
        return result;
    }
    BezierShape filledTop, filledUnder;
    const BezierShape& top = FilledForm(topInput, filledTop);
    const BezierShape& under = FilledForm(underInput, filledUnder);
    const bool wantOverlap = (options.parts & kCropOverlap) != 0, wantTopOnly = (options.parts & kCropTopOnly) != 0;
    const double tolerance = options.tolerances.flatten;
    const Box topBox = ControlBounds(top), underBox = ControlBounds(under);
    const Placement placement =
        topBox.IsEmpty() || underBox.IsEmpty() ? Placement::kApart : Place(top, under, topBox, underBox, tolerance);
    switch (placement) {
        case Placement::kApart:
            if (wantTopOnly) AddWhole(top, CropRole::kTopOnly, result);
            return result;
        case Placement::kTopInsideUnder:
            if (wantOverlap) AddWhole(top, CropRole::kOverlap, result);
            return result;
        case Placement::kUnderInsideTop:
            if (wantOverlap) AddWhole(under, CropRole::kOverlap, result);
            if (!wantTopOnly || AddTopAroundHole(top, under, tolerance, result)) return result;
            break;  // the top object with a hole needs the clipper
        case Placement::kCrossing:
            break;
    }
    std::vector<FlatPath> flats;
    FlattenPair(top, under, tolerance, options.tolerances.clipperScale, flats);
    ClipperLib::PolyTree overlapTree, topOnlyTree;
    const bool clipOverlap = wantOverlap && placement == Placement::kCrossing;
    if (!ClipAreas(flats, top.fillRule, under.fillRule, clipOverlap ? &overlapTree : nullptr,
                   wantTopOnly ? &topOnlyTree : nullptr)) {
        result.status = Failure(PathfinderStatus::kClipperFailed);
        return result;
    }
    const PolylineIndex index(std::move(flats), {&top, &under});
    RingMapper mapper(index, options.tolerances);
    PathfinderStatus status = PathfinderStatus::kOk;
    if (clipOverlap) status = CollectFaces(overlapTree, CropRole::kOverlap, mapper, result);
    if (status == PathfinderStatus::kOk && wantTopOnly)
        status = CollectFaces(topOnlyTree, CropRole::kTopOnly, mapper, result);
    if (status != PathfinderStatus::kOk) {
        result.pieces.clear();
        result.status = status;
    }
    return result;
}

}  // namespace pathfinder
