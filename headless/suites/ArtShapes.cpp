// Conversion of paths and compound paths to Bezier shapes and of Bezier paths back to segments.
#include "headless/suites/ArtShapes.h"

#include "headless/document/SdkGeometry.h"

namespace headless {
namespace {

void AddPaths(const Document& doc, const Art& a, pathfinder::BezierShape& shape) {
    if (a.type == kPathArt) {
        pathfinder::BezierPath path;
        path.closed = a.closed;
        path.anchors.reserve(a.segments.size());
        for (const AIPathSegment& s : a.segments)
            path.anchors.push_back({ToPoint(s.p), ToPoint(s.in), ToPoint(s.out)});
        shape.paths.push_back(std::move(path));
        return;
    }
    for (ArtId c = a.firstChild; c; c = doc.Find(c)->next)
        AddPaths(doc, *doc.Find(c), shape);
}

}  // namespace

AIErr ShapeOfArt(const Document& doc, ArtId id, pathfinder::BezierShape* out) {
    const Art* a = doc.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->type != kPathArt && a->type != kCompoundPathArt) return Fail(kWrongKindErr);
    AIPathStyle style;
    if (AIErr err = doc.GetPathStyle(id, &style)) return err;
    out->paths.clear();
    out->fillRule = style.evenodd ? pathfinder::FillRule::kEvenOdd : pathfinder::FillRule::kNonZero;
    AddPaths(doc, *a, *out);
    return kNoErr;
}

std::vector<AIPathSegment> SegmentsOf(const pathfinder::BezierPath& path) {
    std::vector<AIPathSegment> out;
    out.reserve(path.anchors.size());
    for (const pathfinder::Anchor& a : path.anchors) {
        const bool corner = a.in == a.p && a.out == a.p;
        out.push_back({ToAIPoint(a.p), ToAIPoint(a.in), ToAIPoint(a.out), corner});
    }
    return out;
}

}  // namespace headless
