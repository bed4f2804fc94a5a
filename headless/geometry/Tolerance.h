// Every tolerance and limit of the host's geometry, in one place, each with the unit it is measured in.
#pragma once

#include <cstddef>

namespace geometry {

// Largest distance, in points, between a curve and the polyline that stands for it (clipping, outline distance).
inline constexpr double kFlattenTolerance = 0.001;

// Most uniform steps, per segment, a curve is flattened into; bounds the work for a huge curve and a tiny tolerance.
inline constexpr std::size_t kMaxFlatteningSteps = std::size_t{1} << 14;

// Most halvings of a curve's parameter interval when a question is settled by subdivision (ray crossings, whether
// two outlines meet): 2^-48 of a segment is below what double coordinates resolve.
inline constexpr int kMaxSubdivisionDepth = 48;

// A quadratic coefficient this small relative to the largest coefficient (a pure ratio) counts as zero, so the
// derivative is solved as linear.
inline constexpr double kNegligibleCoefficient = 1e-12;

// Relative slack, against the squared length of a matrix's columns, when judging whether it keeps angles:
// matrices are written to 8 decimals, and one read back from a file must be judged as it was before writing.
inline constexpr double kSimilaritySlack = 1e-7;

// How close to an outline, in points, a hit test's point must lie to touch an unstroked outline.
inline constexpr double kOutlineReach = 0.01;

}  // namespace geometry
