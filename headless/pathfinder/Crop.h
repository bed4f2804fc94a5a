// Crop: the top object cuts the one beneath it. The overlap of the two keeps the lower object's paint; the part
// of the top object outside the lower one is left without paint.
#pragma once

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/PathfinderResult.h"
#include "headless/pathfinder/Tolerance.h"

namespace pathfinder {

inline constexpr unsigned kCropOverlap = 1u << 0;
inline constexpr unsigned kCropTopOnly = 1u << 1;

struct CropOptions {
    Tolerances tolerances;
    unsigned parts = kCropOverlap | kCropTopOnly;  // which pieces to make
};

// Open paths are filled as if closed by a straight line. Pieces come overlap first, then top-only; within each
// role, faces in the clipper's order (outer boundaries before what they enclose).
CropResult Crop(const BezierShape& top, const BezierShape& under, const CropOptions& options = {});

}  // namespace pathfinder
