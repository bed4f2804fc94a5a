// Flattening of Bezier shapes into integer polylines for the polygon clipper, remembering where each vertex lies
// on its source path.
#pragma once

#include <polyclipping/clipper.hpp>

#include <cstddef>
#include <vector>

#include "headless/pathfinder/BezierShape.h"

namespace pathfinder {

// A path parameter: segment index plus the curve parameter inside it (u = 2.5 is the middle of segment 2).
using PathParam = double;

struct FlatPath {
    int object = 0;     // which of the operation's two objects the path belongs to
    int pathIndex = 0;  // index of the path inside its object
    bool closed = false;
    std::size_t segmentCount = 0;
    ClipperLib::Path points;  // a closed path does not repeat its first vertex
    // Parameters at each vertex as the path arrives and as it leaves; they differ where zero-length segments
    // collapse onto the vertex.
    std::vector<PathParam> params;
    std::vector<PathParam> leaveParams;
    PathParam closingParam = 0.0;  // where the edge closing a closed path arrives back at its first vertex
};

struct FlattenOptions {
    double tolerance = 0.0;
    double scale = 1.0;
    // Curved segments whose control box misses this box may be replaced by their chord when nothing else of the
    // object comes near them; an empty box flattens everything.
    Box focus = Box::Empty();
    // Only the anchors as vertices, for a caller that reads no polyline; a path is still kept or dropped exactly as
    // a full flattening would decide.
    bool anchorsOnly = false;
    // Where the other object really lies inside focus, as boxes that hold both its curves and its polyline: when
    // given, only stretches near one of them are flattened finely, the rest of an isolated curve becomes chords.
    const std::vector<Box>* near = nullptr;
    // Receives boxes holding this object's curves and polyline together, stretch by stretch, for the other
    // object's near.
    std::vector<Box>* stretchBoxes = nullptr;
    // False when the polylines are read only as lines against the other object, never as areas: then how the
    // object's own paths cross one another does not matter, and chords may pass over them.
    bool keepOwnCrossings = true;
};

ClipperLib::IntPoint ToClipper(Point p, double scale);
Point FromClipper(const ClipperLib::IntPoint& p, double scale);

// True when some segment of shape is curved.
bool HasCurves(const BezierShape& shape);
// The area of a box, 0 for an empty one.
double BoxArea(const Box& b);

// Flattens every path of shape that keeps at least two distinct vertices.
void FlattenShape(const BezierShape& shape, int object, const FlattenOptions& options, std::vector<FlatPath>& out);

// The shape fine only near those of the other object's stretches that come near its bounds (shapeBox), and only
// inside focus; chords elsewhere.
void FlattenNearStretches(const BezierShape& shape, int object, const std::vector<Box>& otherStretches,
                          const Box& shapeBox, const Box& focus, double tolerance, double scale,
                          std::vector<FlatPath>& out);

// Both objects of an operation, each fine only where the other comes near: the larger one against the smaller
// one's bounds, then the smaller one against the stretches of the larger one that came out fine. Top flats first.
void FlattenPair(const BezierShape& top, const BezierShape& under, double tolerance, double scale,
                 std::vector<FlatPath>& out);

// The vertices of a flattened path as an open polyline: a closed path repeats its first vertex at the end.
ClipperLib::Path OpenPolyline(const FlatPath& flat);

}  // namespace pathfinder
