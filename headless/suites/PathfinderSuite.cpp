// The Pathfinder suite: Crop and Outline on two objects of the document, the front one cutting the other. The
// result replaces both by one group of pieces, standing where the front object stood.
#include "headless/pathfinder/Crop.h"
#include "headless/pathfinder/Outline.h"
#include "headless/suites/ArtPermissions.h"
#include "headless/suites/ArtShapes.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIPathfinder.h"

namespace headless {
namespace {

constexpr AIErr kPathfinderInputErr = FourCharErr("PFIN");     // a coordinate is not finite
constexpr AIErr kPathfinderClipperErr = FourCharErr("PFCL");   // the polygon clipper refused or failed
constexpr AIErr kPathfinderUnmappedErr = FourCharErr("PFMP");  // a result edge could not be traced to its source

AIErr CodeOf(pathfinder::PathfinderStatus status) {
    switch (status) {
        case pathfinder::PathfinderStatus::kOk:
            return kNoErr;
        case pathfinder::PathfinderStatus::kInvalidInput:
            return Fail(kPathfinderInputErr);
        case pathfinder::PathfinderStatus::kClipperFailed:
            return Fail(kPathfinderClipperErr);
        case pathfinder::PathfinderStatus::kUnmappedEdge:
            return Fail(kPathfinderUnmappedErr);
    }
    return Fail(kInternalErr);
}

struct Operands {
    ArtId top;
    ArtId under;
    pathfinder::BezierShape topShape;
    pathfinder::BezierShape underShape;
};

// Which object is in front is a matter of the document's stacking order, not of the order in the art array.
Operands ReadOperands(const AIPathfinderData* data) {
    const AIPathfinderData& d = In(data);
    if (d.fSelectedArtCount != 2 || !d.fSelectedArt) Throw(kBadParameterErr);
    // The log shows the two handles in the order the module listed them; which is in front is decided below.
    App().calls.Describe("; art " + DescribeArguments(d.fSelectedArt[0], d.fSelectedArt[1]));
    const ArtId first = ArtIdOf(d.fSelectedArt[0]);
    const ArtId second = ArtIdOf(d.fSelectedArt[1]);
    Document& doc = Doc();
    int order = 0;
    if (AIErr err = doc.CompareStacking(first, second, &order)) Throw(err);
    Operands ops;
    ops.top = order < 0 ? first : second;
    ops.under = order < 0 ? second : first;
    if (AIErr err = ShapeOfArt(doc, ops.top, &ops.topShape)) Throw(err);
    if (AIErr err = ShapeOfArt(doc, ops.under, &ops.underShape)) Throw(err);
    // Both operands go at the end; whatever would refuse that is found now, before the document changes.
    if (AIErr err = CheckDisposable(doc, ops.top)) Throw(err);
    if (AIErr err = CheckDisposable(doc, ops.under)) Throw(err);
    return ops;
}

ArtId NewResultGroup(Document& doc, ArtId top) {
    ArtId group;
    if (AIErr err = doc.NewArt(kGroupArt, kPlaceAbove, top, &group)) Throw(err);
    return group;
}

// One path, or a compound path of several, at the back of `group`, styled `style` and carrying `kept`.
void AddPiece(Document& doc, ArtId group, const pathfinder::BezierShape& shape, const AIPathStyle& style,
              const CarriedData& kept) {
    auto makePath = [&](const pathfinder::BezierPath& p, ArtId parent) {
        ArtId id;
        if (AIErr err = doc.NewArt(kPathArt, kPlaceInsideOnBottom, parent, &id)) Throw(err);
        Art& a = *doc.Find(id);
        a.segments = SegmentsOf(p);
        a.closed = p.closed;
        a.style = doc.ShareStyle(style);
        a.carried = kept;
        return id;
    };
    if (shape.paths.size() == 1) {
        makePath(shape.paths.front(), group);
        return;
    }
    ArtId compound;
    if (AIErr err = doc.NewArt(kCompoundPathArt, kPlaceInsideOnBottom, group, &compound)) Throw(err);
    for (const pathfinder::BezierPath& p : shape.paths)
        makePath(p, compound);
    if (AIErr err = doc.SetPathStyle(compound, style)) Throw(err);
    doc.Find(compound)->carried = kept;
}

// A group in front of the top object receives the pieces; then both operands go. A failure while the pieces are
// made takes the half-made group away again, so the document is as it was. The operands were found disposable
// when they were read and nothing has touched them since, so neither disposal can fail and leave one behind.
template <typename AddPieces>
void ReplaceOperands(Document& doc, const Operands& ops, AddPieces&& addPieces) {
    const ArtId group = NewResultGroup(doc, ops.top);
    try {
        addPieces(group);
    } catch (...) {
        doc.Dispose(group);
        throw;
    }
    if (AIErr err = doc.Dispose(ops.top)) Throw(err);
    if (AIErr err = doc.Dispose(ops.under)) Throw(err);
}

AIErr DoCropEffect(AIPathfinderData* data, AIFilterMessage*) {
    Document& doc = Doc();
    const Operands ops = ReadOperands(data);
    const pathfinder::CropResult result = pathfinder::Crop(ops.topShape, ops.underShape);
    if (AIErr err = CodeOf(result.status)) return err;

    AIPathStyle underStyle, topStyle;
    if (AIErr err = doc.GetPathStyle(ops.under, &underStyle)) return err;
    if (AIErr err = doc.GetPathStyle(ops.top, &topStyle)) return err;
    // The overlap keeps the lower object's paint; the rest of the top object has none. Crop draws no strokes.
    AIPathStyle overlapStyle = underStyle;
    overlapStyle.strokePaint = 0;
    overlapStyle.clip = 0;
    AIPathStyle topOnlyStyle = topStyle;
    topOnlyStyle.fillPaint = 0;
    topOnlyStyle.strokePaint = 0;
    topOnlyStyle.clip = 0;
    const auto underKept = AppearanceOf(doc.Find(ops.under)->carried);
    const auto topKept = AppearanceOf(doc.Find(ops.top)->carried);

    ReplaceOperands(doc, ops, [&](ArtId group) {
        for (const pathfinder::CropPiece& piece : result.pieces) {
            const bool overlap = piece.role == pathfinder::CropRole::kOverlap;
            AIPathStyle style = overlap ? overlapStyle : topOnlyStyle;
            style.evenodd = piece.shape.fillRule == pathfinder::FillRule::kEvenOdd;
            AddPiece(doc, group, piece.shape, style, overlap ? underKept : topKept);
        }
    });
    return kNoErr;
}

// An outline piece is a line: no fill, and stroked in its object's fill colour when that object was filled.
AIPathStyle OutlineStyle(const AIPathStyle& object) {
    AIPathStyle s = object;
    s.fillPaint = 0;
    s.clip = 0;
    s.strokePaint = object.fillPaint;
    s.stroke.color = object.fill.color;
    return s;
}

AIErr DoOutlineEffect(AIPathfinderData* data, AIFilterMessage*) {
    Document& doc = Doc();
    const Operands ops = ReadOperands(data);
    AIPathStyle underStyle, topStyle;
    if (AIErr err = doc.GetPathStyle(ops.under, &underStyle)) return err;
    if (AIErr err = doc.GetPathStyle(ops.top, &topStyle)) return err;
    pathfinder::OutlineOptions options;
    options.topFilled = topStyle.fillPaint != 0;
    const pathfinder::OutlineResult result = pathfinder::Outline(ops.topShape, ops.underShape, options);
    if (AIErr err = CodeOf(result.status)) return err;

    const AIPathStyle styles[2] = {OutlineStyle(topStyle), OutlineStyle(underStyle)};
    const CarriedData kept[2] = {AppearanceOf(doc.Find(ops.top)->carried), AppearanceOf(doc.Find(ops.under)->carried)};
    ReplaceOperands(doc, ops, [&](ArtId group) {
        for (const pathfinder::OutlinePiece& piece : result.pieces) {
            const int from = piece.source == pathfinder::OutlineSource::kTop ? 0 : 1;
            pathfinder::BezierShape shape;
            shape.paths.push_back(piece.path);
            AddPiece(doc, group, shape, styles[from], kept[from]);
        }
    });
    return kNoErr;
}

const AIPathfinderSuite kPathfinderSuite = {
    TRIMORA_HOST_FN(AIPathfinderSuite, DoCropEffect, DoCropEffect),
    TRIMORA_HOST_FN(AIPathfinderSuite, DoOutlineEffect, DoOutlineEffect),
};

}  // namespace

void RegisterPathfinderSuite(SuiteRegistry& registry) {
    registry.Add(kAIPathfinderSuite, kAIPathfinderSuiteVersion, &kPathfinderSuite);
}

}  // namespace headless
