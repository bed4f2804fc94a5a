// Positions on a Bezier path by path parameter (segment index plus curve parameter), and the exact sub-curves
// between two parameters.
#pragma once

#include <vector>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// Parameters this close to a segment boundary are taken as the boundary.
inline constexpr double kParamSnap = 1e-9;

// Wraps u into [0, segmentCount) on a closed path and clamps it to [0, segmentCount] on an open one.
PathParam NormalizeParam(const BezierPath& path, PathParam u);
// The segment a parameter falls in and the curve parameter inside it; a boundary belongs to the segment after
// it, except at the end of an open path.
void Locate(const BezierPath& path, PathParam u, std::size_t& segment, double& t);
Point PointAt(const BezierPath& path, PathParam u);
Point TangentAt(const BezierPath& path, PathParam u);

// Appends the exact sub-curves covering the stretch that starts at from and runs length (negative: backwards)
// along the path, wrapping around a closed path. Zero-length pieces are left out.
void EmitStretch(const BezierPath& path, PathParam from, double length, std::vector<Cubic>& out);

}  // namespace pathfinder
