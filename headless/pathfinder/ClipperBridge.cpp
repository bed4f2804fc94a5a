// The calls into the polygon clipper.
#include "headless/pathfinder/ClipperBridge.h"

namespace pathfinder {
namespace {

ClipperLib::PolyFillType ToClipper(FillRule rule) {
    return rule == FillRule::kEvenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
}

}  // namespace

bool ClipAreas(const std::vector<FlatPath>& flats, FillRule topRule, FillRule underRule, ClipperLib::PolyTree* overlap,
               ClipperLib::PolyTree* topOnly) {
    try {
        ClipperLib::Clipper clipper;
        // Collinear vertices are flattened curve points the mapping back needs to find.
        clipper.PreserveCollinear(true);
        // Faces that touch at a point come out as separate faces.
        clipper.StrictlySimple(true);
        for (const FlatPath& f : flats)
            clipper.AddPath(f.points, f.object == 0 ? ClipperLib::ptSubject : ClipperLib::ptClip, true);
        const ClipperLib::PolyFillType top = ToClipper(topRule), under = ToClipper(underRule);
        if (overlap && !clipper.Execute(ClipperLib::ctIntersection, *overlap, top, under)) return false;
        if (topOnly && !clipper.Execute(ClipperLib::ctDifference, *topOnly, top, under)) return false;
        return true;
    } catch (const ClipperLib::clipperException&) {
        return false;
    }
}

bool ClipLines(const std::vector<ClipperLib::Path>& lines, const std::vector<FlatPath>& region, FillRule regionRule,
               ClipperLib::ClipType type, ClipperLib::PolyTree& out) {
    try {
        ClipperLib::Clipper clipper;
        clipper.PreserveCollinear(true);
        for (const ClipperLib::Path& line : lines)
            clipper.AddPath(line, ClipperLib::ptSubject, false);
        for (const FlatPath& f : region)
            clipper.AddPath(f.points, ClipperLib::ptClip, true);
        return clipper.Execute(type, out, ClipperLib::pftNonZero, ToClipper(regionRule));
    } catch (const ClipperLib::clipperException&) {
        return false;
    }
}

}  // namespace pathfinder
