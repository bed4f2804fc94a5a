// The calls into the polygon clipper, with its exceptions and failures turned into a false result.
#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// Areas of the flats of object 0 (the top object, subject) against those of object 1 (the lower one, clip):
// their intersection into overlap and top minus lower into topOnly, each only when asked for.
bool ClipAreas(const std::vector<FlatPath>& flats, FillRule topRule, FillRule underRule, ClipperLib::PolyTree* overlap,
               ClipperLib::PolyTree* topOnly);

// Open polylines against the area of a region: the parts inside and the parts outside, each only when asked for.
bool ClipLines(const std::vector<ClipperLib::Path>& lines, const std::vector<FlatPath>& region, FillRule regionRule,
               ClipperLib::PolyTree* inside, ClipperLib::PolyTree* outside);

}  // namespace pathfinder
