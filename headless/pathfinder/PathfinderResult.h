// Results and status codes of the Pathfinder operations.
#pragma once

#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

enum class PathfinderStatus {
    kOk = 0,
    kInvalidInput,   // a coordinate is not finite
    kClipperFailed,  // the polygon clipper refused the input or failed
    kUnmappedEdge,   // a clipped outline could not be traced back onto the source curves
};

const char* Describe(PathfinderStatus status);

// Every failure is made here, so that one breakpoint catches them all.
PathfinderStatus Failure(PathfinderStatus status);

// Crop: a piece of the overlap of the two objects (carries the lower object's paint and style), or a piece of
// the top object outside the lower one (left unfilled and unstroked).
enum class CropRole { kOverlap, kTopOnly };

struct CropPiece {
    CropRole role = CropRole::kOverlap;
    // One face: its outer boundary first, then its holes wound the other way. An object that needed no cutting
    // comes back as it was, with its own fill rule.
    BezierShape shape;
};

struct CropResult {
    PathfinderStatus status = PathfinderStatus::kOk;
    std::vector<CropPiece> pieces;  // overlap pieces first, then top-only pieces
};

// Outline: which object a piece of outline came from.
enum class OutlineSource { kTop, kUnder };

struct OutlinePiece {
    OutlineSource source = OutlineSource::kTop;
    int pathIndex = 0;  // the path of that object the piece lies on
    BezierPath path;
};

struct OutlineResult {
    PathfinderStatus status = PathfinderStatus::kOk;
    std::vector<OutlinePiece> pieces;  // the top object's pieces first, each path's pieces in path order
};

}  // namespace pathfinder
