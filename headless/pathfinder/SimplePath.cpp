// Simplicity proof for closed paths: the path is cut into pieces that each move steadily in one direction, and
// every pair of pieces is shown apart, neighbours by a line through their common point that separates them.
#include "headless/pathfinder/SimplePath.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "headless/geometry/Tolerance.h"
#include "headless/pathfinder/BezierShape.h"
#include "headless/pathfinder/Contact.h"

namespace pathfinder {
namespace {

bool IsPoint(const Cubic& c) {
    return c.p0 == c.p1 && c.p1 == c.p2 && c.p2 == c.p3;
}

// A piece whose control legs all point forwards along its chord moves steadily along it, so it cannot loop onto
// itself.
bool MovesAlongChord(const Cubic& c) {
    const Point chord = c.p3 - c.p0;
    for (const Point leg : {c.p1 - c.p0, c.p2 - c.p1, c.p3 - c.p2})
        if ((leg.x != 0.0 || leg.y != 0.0) && Dot(chord, leg) <= 0.0) return false;
    return true;
}

bool AddSteadyPieces(const Cubic& c, int depth, std::vector<Cubic>& out) {
    if (MovesAlongChord(c)) {
        out.push_back(c);
        return true;
    }
    if (depth >= geometry::kMaxSteadySplitDepth) return false;
    Cubic left, right;
    c.Split(0.5, left, right);
    return AddSteadyPieces(left, depth + 1, out) && AddSteadyPieces(right, depth + 1, out);
}

// Direction in which a curve leaves its start, from its first control point apart from the start.
bool LeavingDirection(const Cubic& c, Point& direction) {
    for (const Point q : {c.p1, c.p2, c.p3}) {
        const Point d = q - c.p0;
        const double length = Length(d);
        if (length > 0.0) {
            direction = (1.0 / length) * d;
            return true;
        }
    }
    return false;
}

// Every control point of c apart from its start lies strictly on the side of the line through the start that
// normal points to (sign +1) or away from (sign -1).
bool OnSide(const Cubic& c, Point normal, double sign) {
    for (const Point q : {c.p1, c.p2, c.p3}) {
        const Point d = q - c.p0;
        if ((d.x != 0.0 || d.y != 0.0) && sign * Dot(normal, d) <= 0.0) return false;
    }
    return true;
}

// a and b both start at the same point; true when they provably meet nowhere else.
bool MeetOnlyAtStart(const Cubic& a, const Cubic& b, double tolerance, int depth) {
    Point da, db;
    if (!LeavingDirection(a, da) || !LeavingDirection(b, db)) return false;
    // The line through the start halfway between the two directions; it fails only where they coincide (a cusp).
    const Point normal = da - db;
    if (Dot(normal, normal) < geometry::kSameDirection2) return false;
    if (OnSide(a, normal, 1.0) && OnSide(b, normal, -1.0)) return true;
    if (depth >= geometry::kMaxJunctionDepth) return false;
    Cubic a1, a2, b1, b2;
    a.Split(0.5, a1, a2);
    b.Split(0.5, b1, b2);
    return MeetOnlyAtStart(a1, b1, tolerance, depth + 1) && !CurvesMayTouch(a1, b2, tolerance) &&
           !CurvesMayTouch(a2, b1, tolerance) && !CurvesMayTouch(a2, b2, tolerance);
}

}  // namespace

bool IsProvablySimple(const BezierPath& path, double tolerance) {
    if (!path.closed) return false;
    std::vector<Cubic> pieces;
    const std::size_t segments = SegmentCount(path);
    pieces.reserve(segments);
    for (std::size_t s = 0; s < segments; ++s) {
        const Cubic c = SegmentOf(path, s);
        if (IsPoint(c)) continue;
        if (!AddSteadyPieces(c, 0, pieces)) return false;
    }
    // With fewer than three pieces some pair would be neighbours at both ends.
    while (!pieces.empty() && pieces.size() < 3) {
        std::vector<Cubic> halves;
        for (const Cubic& c : pieces) {
            Cubic left, right;
            c.Split(0.5, left, right);
            halves.push_back(left);
            halves.push_back(right);
        }
        pieces = std::move(halves);
    }
    const std::size_t n = pieces.size();
    if (n == 0) return false;
    struct Entry {
        Box box;
        std::size_t piece;
    };
    std::vector<Entry> entries;
    entries.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        entries.push_back({pieces[i].ControlBounds(), i});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.box.minX < b.box.minX; });
    for (std::size_t e = 0; e < n; ++e) {
        for (std::size_t f = e + 1; f < n && entries[f].box.minX <= entries[e].box.maxX + tolerance; ++f) {
            if (!entries[e].box.Intersects(entries[f].box, tolerance)) continue;
            const std::size_t i = std::min(entries[e].piece, entries[f].piece);
            const std::size_t j = std::max(entries[e].piece, entries[f].piece);
            bool apart;
            if ((j == i + 1 && !(pieces[i].p3 == pieces[j].p0)) ||
                (i == 0 && j == n - 1 && !(pieces[j].p3 == pieces[i].p0)))
                return false;  // neighbours that do not meet: the path has a gap
            if (j == i + 1)
                apart = MeetOnlyAtStart(pieces[i].Reversed(), pieces[j], tolerance, 0);
            else if (i == 0 && j == n - 1)
                apart = MeetOnlyAtStart(pieces[j].Reversed(), pieces[i], tolerance, 0);
            else
                apart = !CurvesMayTouch(pieces[i], pieces[j], tolerance);
            if (!apart) return false;
        }
    }
    return true;
}

}  // namespace pathfinder
