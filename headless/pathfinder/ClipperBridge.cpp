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

// One clipper run of the areas, with the top object given by its flats or, when windowed, by its window's part.
bool RunAreaClipper(const std::vector<FlatPath>& flats, const ClipperLib::Path* topPart, ClipperLib::PolyFillType top,
                    ClipperLib::PolyFillType under, ClipperLib::PolyTree* overlap, ClipperLib::PolyTree* topOnly) {
    ClipperLib::Clipper clipper;
    // Collinear vertices are flattened curve points the mapping back needs to find.
    clipper.PreserveCollinear(true);
    // Faces that touch at a point come out as separate faces.
    clipper.StrictlySimple(true);
    IntBox subject = IntBox::Empty();
    auto addSubject = [&](const ClipperLib::Path& points) {
        clipper.AddPath(points, ClipperLib::ptSubject, true);
        subject.Add(points);
    };
    if (topPart) {
        addSubject(*topPart);
    } else {
        for (const FlatPath& f : flats)
            if (f.object == 0) addSubject(f.points);
    }
    if (!subject.IsEmpty()) AddClipAreas(clipper, flats, 1, subject);
    if (overlap && !clipper.Execute(ClipperLib::ctIntersection, *overlap, top, under)) return false;
    return !topOnly || clipper.Execute(ClipperLib::ctDifference, *topOnly, top, under);
}

}  // namespace

bool ClipAreas(const std::vector<FlatPath>& flats, FillRule topRule, FillRule underRule, ClipperLib::PolyTree* overlap,
               ClipperLib::PolyTree* topOnly) {
    try {
        const ClipperLib::PolyFillType top = ToClipper(topRule), under = ToClipper(underRule);
        // A large top object is clipped through the window around the lower one when both trees are asked for.
        if (overlap && topOnly) {
            if (const std::optional<TopWindowPart> part = WindowPartOfTop(flats)) {
                if (RunAreaClipper(flats, &part->ring, top, under, overlap, topOnly) &&
                    PutFarVerticesBack(*part, *topOnly))
                    return true;
                overlap->Clear();
                topOnly->Clear();
            }
        }
        return RunAreaClipper(flats, nullptr, top, under, overlap, topOnly);
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
