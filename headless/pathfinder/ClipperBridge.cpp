// The calls into the polygon clipper.
#include "headless/pathfinder/ClipperBridge.h"

#include "headless/pathfinder/EdgeWindow.h"
#include "headless/pathfinder/Window.h"

namespace pathfinder {
namespace {

ClipperLib::PolyFillType ToClipper(FillRule rule) {
    return rule == FillRule::kEvenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
}

// Adds the clip areas (the flats of object, or all when object is negative), each cut down to the window around
// the subject: results lie within the subject, so the areas matter only near it.
void AddClipAreas(ClipperLib::Clipper& clipper, const std::vector<FlatPath>& flats, int object, const IntBox& subject) {
    IntBox window = subject;
    window.Grow(kWindowMargin);
    ClipperLib::Path windowed;
    for (const FlatPath& f : flats) {
        if (object >= 0 && f.object != object) continue;
        clipper.AddPath(WindowRing(f.points, window, windowed) ? windowed : f.points, ClipperLib::ptClip, true);
    }
}

}  // namespace

bool ClipAreas(const std::vector<FlatPath>& flats, FillRule topRule, FillRule underRule, ClipperLib::PolyTree* overlap,
               ClipperLib::PolyTree* topOnly) {
    try {
        const ClipperLib::PolyFillType top = ToClipper(topRule), under = ToClipper(underRule);
        if (overlap && topOnly) {
            if (ClipAreasThroughWindow(flats, top, under, *overlap, *topOnly)) return true;
            overlap->Clear();
            topOnly->Clear();
        }
        ClipperLib::Clipper clipper;
        // Collinear vertices are flattened curve points the mapping back needs to find.
        clipper.PreserveCollinear(true);
        // Faces that touch at a point come out as separate faces.
        clipper.StrictlySimple(true);
        IntBox subject = IntBox::Empty();
        for (const FlatPath& f : flats) {
            if (f.object != 0) continue;
            clipper.AddPath(f.points, ClipperLib::ptSubject, true);
            subject.Add(f.points);
        }
        if (!subject.IsEmpty()) AddClipAreas(clipper, flats, 1, subject);
        if (overlap && !clipper.Execute(ClipperLib::ctIntersection, *overlap, top, under)) return false;
        if (topOnly && !clipper.Execute(ClipperLib::ctDifference, *topOnly, top, under)) return false;
        return true;
    } catch (const ClipperLib::clipperException&) {
        return false;
    }
}

bool ClipLines(const std::vector<ClipperLib::Path>& lines, const std::vector<FlatPath>& region, FillRule regionRule,
               ClipperLib::PolyTree* inside, ClipperLib::PolyTree* outside) {
    try {
        ClipperLib::Clipper clipper;
        clipper.PreserveCollinear(true);
        IntBox subject = IntBox::Empty();
        for (const ClipperLib::Path& line : lines) {
            clipper.AddPath(line, ClipperLib::ptSubject, false);
            subject.Add(line);
        }
        if (!subject.IsEmpty()) AddClipAreas(clipper, region, -1, subject);
        const ClipperLib::PolyFillType rule = ToClipper(regionRule);
        if (inside && !clipper.Execute(ClipperLib::ctIntersection, *inside, ClipperLib::pftNonZero, rule)) return false;
        return !outside || clipper.Execute(ClipperLib::ctDifference, *outside, ClipperLib::pftNonZero, rule);
    } catch (const ClipperLib::clipperException&) {
        return false;
    }
}

}  // namespace pathfinder
