// Maps a polygon returned by the clipper back onto the source outlines: each stretch of the polygon that follows
// one source path becomes the exact sub-curves of that path, joined at crossings refined on the curves.
#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "headless/pathfinder/PolylineIndex.h"
#include "headless/pathfinder/Tolerance.h"

namespace pathfinder {

// A stretch of a source path: from a parameter, length parameter units along it (negative: backwards).
struct Stretch {
    int flat = -1;
    PathParam from = 0.0;
    double length = 0.0;
};

// Where one edge of a clipper polygon lies on a flattened source path.
struct EdgeMatch {
    int flat = -1;
    PathParam from = 0.0;
    PathParam to = 0.0;
};

class RingMapper {
public:
    RingMapper(const PolylineIndex& index, const Tolerances& tolerances);

    // The source edge that runs from p to q, or flat -1 when none does; object >= 0 looks only at that object's.
    EdgeMatch MatchEdge(const ClipperLib::IntPoint& p, const ClipperLib::IntPoint& q, int preferredFlat,
                        int object = -1);

    // The closed Bezier path along a clipper polygon. False when a stretch of the polygon follows no source edge.
    bool MapRing(const ClipperLib::Path& ring, BezierPath& out);
    // A polygon pinched where two closed outlines touch without their curves crossing is two whole loops: MapRing
    // gives the first, this the second, once.
    bool TakeSecondLoop(BezierPath& out) {
        if (secondLoop_.anchors.empty()) return false;
        out = std::move(secondLoop_);
        secondLoop_.anchors.clear();
        return true;
    }

private:
    EdgeMatch FromHit(const EdgeHit& hp, const EdgeHit& hq) const;
    // The edge of flat between a vertex found at p and its neighbour found at q, or flat -1.
    EdgeMatch NeighbourEdge(int flat) const;
    bool Continues(const Stretch& run, const EdgeMatch& next) const;
    double ParamDelta(int flat, double delta) const;

    // The crossing where the polygon leaves flat a for flat b at vertex at, refined once and shared by every ring
    // that passes there, so that faces on either side of it meet exactly. onBoth tells whether the curves cross
    // there or only come close.
    Point SharedCrossing(const ClipperLib::IntPoint& at, int a, PathParam& ua, int b, PathParam& ub, bool& onBoth);
    // Where the curves come close without crossing, the polygons may still cross twice and follow the other outline
    // for a short stretch between: the ring keeps to the outline on either side instead, and a ring made of such a
    // stretch alone encloses nothing. False for a ring dropped so.
    bool SkipSlivers();
    // Drops run k with the junction it starts at.
    void EraseRun(std::size_t k);
    // Whether run k is such a stretch: the curves cross at neither end, and it stays within a crossing's reach.
    bool IsSliver(std::size_t k);
    double LongestSliver() const;
    // Two long stretches of closed outlines joined at two such junctions close together.
    bool IsPinched();
    BezierPath WholeLoop(const Stretch& run);

    struct Crossing {
        Point point;
        PathParam uLow, uHigh;      // on the lower and the higher numbered flat
        PathParam metLow, metHigh;  // where the polylines put it, before refinement
        bool onBoth = true;
    };
    using CrossingKey = std::tuple<ClipperLib::cInt, ClipperLib::cInt, int, int>;

    const PolylineIndex& index_;
    std::map<CrossingKey, Crossing> crossings_;
    Tolerances tolerances_;
    double onEdgeDistance_;  // clipper units: rounding of crossings puts them within 0.71 of both edges
    std::vector<VertexRef> refsP_, refsQ_;
    ClipperLib::IntPoint lastQ_;  // the point refsQ_ was found for, once lookedUp_
    bool lookedUp_ = false;
    // Working space of MapRing, kept between rings.
    std::vector<EdgeMatch> matches_;
    std::vector<Stretch> runs_;
    std::vector<std::size_t> startVertex_;
    std::vector<Point> junction_;
    std::vector<char> crossed_;  // whether junction_[k] lies on both curves
    std::vector<Cubic> pieces_;
    BezierPath secondLoop_;
};

}  // namespace pathfinder
