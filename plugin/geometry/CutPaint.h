// What the region cuts do to their copies in the work layer before the Pathfinder runs: the fixed paint the
// result's pieces are told apart by, and the complement of the region.
#pragma once

#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AITypes.h"

enum class CutPaint {
    kArea,  // filled with process black
    kLine,  // stroked with process black, unfilled
};

// The paint over a style; every other field stays as it is.
void ApplyCutPaint(CutPaint paint, AIPathStyle& style);
// Reads the path's style, applies the paint, writes it back.
AIErr PaintAs(CutPaint paint, AIArtHandle path);

// Turns regionCopy into the member of a compound path under a rectangle that surrounds both copies with a point
// to spare, wound against the region, so that filled the compound covers everything around the region. Both
// members get area paint. Made in the current layer, in front of everything there.
AIErr MakeRegionComplement(AIArtHandle artCopy, AIArtHandle regionCopy);
