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

// A matrix whose entries each lie this close to the identity's (in the entries' own units) is the identity: what
// comes back from writing the identity to 8 decimals and reading it again.
inline constexpr double kIdentitySlack = 1e-7;

// Two directions are parallel when the sine of the angle between them is below this: an anchor whose handles point
// opposite ways is smooth, and two curves with parallel tangents have no single crossing there.
inline constexpr double kParallelSine = 1e-9;

// An SVG arc is cut into whole quarter turns, counted with this slack (in quarter turns) so that round-off does not
// add a piece.
inline constexpr double kQuarterTurnSlack = 1e-9;

// How close to an outline, in points, a hit test's point must lie to touch an unstroked outline.
inline constexpr double kOutlineReach = 0.01;

// Arc length by subdivision: most halvings, and the tolerance's floor relative to the control polygon's length
// (a pure ratio) below which lengths are round-off.
inline constexpr int kMaxArcLengthDepth = 20;
inline constexpr double kArcLengthRelativeFloor = 1e-12;

// Farthest a gradient's ends may lie from the page's origin, in points. The document holds a gradient as an origin,
// an angle and a length; beyond this, that form cannot give back the ends to the digits a file writes them with.
inline constexpr double kMaxGradientReach = 1e9;

// Clipping. Integer units per point handed to the polygon clipper; one unit is well below the flattening
// tolerance, and +-100,000 pt still fits the clipper's fast 64-bit range.
inline constexpr double kClipperScale = 1.0e4;
// Below this many uniform steps (steps per segment) a stretch near the other object is flattened as it is rather
// than cut further.
inline constexpr std::size_t kFineFlatteningSteps = 3;
// Most halvings of a segment while looking for the stretches near the other object.
inline constexpr int kMaxStretchSplitDepth = 24;
// Most equal chunks (per segment) a curve is cut into before its far stretches become chords.
inline constexpr std::size_t kMaxChordChunks = 64;
// Turning parameters closer than this (curve parameter, 0 to 1) are one cut.
inline constexpr double kSameTurningParam = 1e-9;

// Mapping clipped rings back onto the curves. Two edges meeting at a vertex continue one stretch when their path
// parameters (segment index plus curve parameter) there agree this closely.
inline constexpr double kParamContinuity = 1e-7;
// An edge that follows no source is bridged by a straight line only when it is this short (clipper units).
inline constexpr double kBridgeableEdge = 4.0;
// Path parameters of a crossing met again from another ring agree this closely with where the polylines first
// put it.
inline constexpr double kSameCrossingParam = 1e-3;

// Refining a crossing on the exact curves. Most Newton iterations per crossing.
inline constexpr int kMaxNewtonSteps = 12;
// Two curve points closer than this, relative to the size of their coordinates (a pure ratio), are one point.
inline constexpr double kSamePointResidual = 1e-13;
// A Newton step shorter than this (curve parameter) has converged.
inline constexpr double kNegligibleNewtonStep = 1e-14;
// Crossings at shallower angles are looked for no farther away than at this one (the sine of the angle).
inline constexpr double kShallowestCrossingSine = 0.02;
// Where Newton fails, the curves are halved around the junction: most pairs of pieces compared, and the size (a
// share of the reach) below which two pieces are taken as their chords to start a solve.
inline constexpr int kMaxCrossingSearchPairs = 20000;
inline constexpr double kCrossingSearchLeaf = 0.01;

// Proving a path simple. Most halvings of a segment into pieces that move steadily along their chords.
inline constexpr int kMaxSteadySplitDepth = 4;
// Most halvings of two segments that leave a shared anchor, to prove they meet nowhere else.
inline constexpr int kMaxJunctionDepth = 12;
// Two unit directions whose difference has a squared length below this (points squared per point squared) are
// one direction: a cusp.
inline constexpr double kSameDirection2 = 1e-24;

}  // namespace geometry
