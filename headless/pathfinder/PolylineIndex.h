// The flattened outlines of an operation's objects, with a lookup from integer vertex coordinates back to where the
// vertex lies on its source path, and the edge tests that place new vertices on a source edge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "headless/pathfinder/Flatten.h"

namespace pathfinder {

// A vertex of a flattened path: flats[flat].points[vertex].
struct VertexRef {
    int flat;
    int vertex;
};

// A position on a flattened path's edge and its source parameter.
struct EdgeHit {
    int flat = -1;
    int edge = -1;
    PathParam param = 0.0;
    double distance = 0.0;  // from the edge, in clipper units
};

class PolylineIndex {
public:
    // sources[object] is the shape whose paths the flats of that object were made from.
    PolylineIndex(std::vector<FlatPath> flats, std::vector<const BezierShape*> sources);

    const std::vector<FlatPath>& Flats() const { return flats_; }
    const FlatPath& Flat(int flat) const { return flats_[static_cast<std::size_t>(flat)]; }
    const BezierPath& SourceOf(int flat) const;

    // Every flattened vertex at exactly these coordinates.
    void Find(const ClipperLib::IntPoint& p, std::vector<VertexRef>& out) const;

    static std::size_t EdgeCount(const FlatPath& flat);
    // Parameters at the two ends of edge k; the edge closing a closed path ends at its closingParam.
    static PathParam EdgeStartParam(const FlatPath& flat, std::size_t k) { return flat.leaveParams[k]; }
    static PathParam EdgeEndParam(const FlatPath& flat, std::size_t k);
    // The point of the polyline at parameter u (the inverse of OnEdge), rounded to clipper units.
    ClipperLib::IntPoint PointAtParam(int flat, PathParam u) const;
    // Where p projects onto edge k, and how far it lies from it.
    EdgeHit OnEdge(int flat, std::size_t k, const ClipperLib::IntPoint& p) const;
    // For every flat of object (closed ones only when asked) that passes within maxDistance of p, its nearest edge.
    void HitsNear(const ClipperLib::IntPoint& p, double maxDistance, int object, bool closedOnly,
                  std::vector<EdgeHit>& out) const;

private:
    struct Slot {
        VertexRef ref;
        int next;  // further vertices with the same coordinates, -1 ends
    };
    // Open addressing over the vertex coordinates: each bucket holds the newest slot at its coordinates, or -1.
    std::size_t BucketOf(const ClipperLib::IntPoint& p) const;

    std::vector<FlatPath> flats_;
    std::vector<const BezierShape*> sources_;
    std::vector<int> buckets_;
    std::vector<Slot> slots_;
};

}  // namespace pathfinder
