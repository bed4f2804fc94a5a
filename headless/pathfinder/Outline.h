// Outline: the outlines of two objects cut where they cross; where the top object is filled, the pieces of the
// lower object's outline under that fill are gone.
#pragma once

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/PathfinderResult.h"
#include "headless/pathfinder/Tolerance.h"

namespace pathfinder {

struct OutlineOptions {
    Tolerances tolerances;
    bool topFilled = true;  // the top object's fill hides the lower object's outline beneath it
};

// Every path of both objects, open or closed, cut at the crossings between the two objects' outlines (a path is
// not cut where it crosses itself or its own object's other paths). A closed path nothing crosses stays one closed
// path; the pieces of a cut closed path that meet at its first anchor are one piece. Open paths stay open. Paths
// without length give no piece. Pieces come top object first, then by path, then along each path.
OutlineResult Outline(const BezierShape& top, const BezierShape& under, const OutlineOptions& options = {});

}  // namespace pathfinder
