// Between the document's paths and the Pathfinder's Bezier shapes.
#pragma once

#include "headless/document/Document.h"
#include "headless/pathfinder/BezierShape.h"

namespace headless {

// A path, or a compound path with every path inside it (members of nested groups too), with its fill rule.
// Refused for any other kind of art.
AIErr ShapeOfArt(const Document& doc, ArtId id, pathfinder::BezierShape* out);

std::vector<AIPathSegment> SegmentsOf(const pathfinder::BezierPath& path);

}  // namespace headless
