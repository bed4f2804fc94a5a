// Document, document view, shape construction and hit test suites. The current document has one view; the hit
// test suite lives in a file of its own.
#include <cmath>

#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIDocument.h"
#include "plugin/sdk/AIDocumentView.h"
#include "plugin/sdk/AIShapeConstruction.h"

namespace headless {
namespace {

// A document and its one view are named by the document's serial: slot 0, a fixed generation.
constexpr std::uint32_t kOnlyGeneration = 1;

template <typename Handle>
Handle HandleOfCurrent(HandleKind kind) {
    Doc();
    const std::uint64_t v = EncodeHandle(kind, App().CurrentDocumentSerial(), 0, kOnlyGeneration);
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(v));
}

AIErr RedrawDocument() {
    Doc();
    ++App().user.redraws;
    return kNoErr;
}

AIErr GetDocument(AIDocumentHandle* document) {
    AIDocumentHandle& out = Out(document);
    out = nullptr;
    out = HandleOfCurrent<AIDocumentHandle>(HandleKind::kDocument);
    return kNoErr;
}

constexpr AIDocumentSuite kDocumentSuite = {
    TRIMORA_HOST_FN(AIDocumentSuite, RedrawDocument, RedrawDocument),
    TRIMORA_HOST_FN(AIDocumentSuite, GetDocument, GetDocument),
};

View& ViewOf(AIDocumentViewHandle h) {
    if (!h) Throw(kBadParameterErr);
    if (h != HandleOfCurrent<AIDocumentViewHandle>(HandleKind::kDocumentView)) Throw(kDeadHandleErr);
    return Doc().view;
}

AIErr CountDocumentViews(ASInt32* count) {
    ASInt32& out = Out(count);
    out = App().CurrentDocument() ? 1 : 0;
    return kNoErr;
}

AIErr GetNthDocumentView(ASInt32 n, AIDocumentViewHandle* view) {
    AIDocumentViewHandle& out = Out(view);
    out = nullptr;
    const auto only = HandleOfCurrent<AIDocumentViewHandle>(HandleKind::kDocumentView);
    if (n != 0) return Fail(kOutOfRangeErr);
    out = only;
    return kNoErr;
}

AIErr GetDocumentViewBounds(AIDocumentViewHandle view, AIRealRect* bounds) {
    AIRealRect& out = Out(bounds);
    out = ViewOf(view).Bounds();
    return kNoErr;
}

AIErr GetDocumentViewCenter(AIDocumentViewHandle view, AIRealPoint* center) {
    AIRealPoint& out = Out(center);
    out = ViewOf(view).centre;
    return kNoErr;
}

AIErr SetDocumentViewCenter(AIDocumentViewHandle view, const AIRealPoint* center) {
    View& v = ViewOf(view);
    const AIRealPoint c = In(center);
    if (!std::isfinite(c.h) || !std::isfinite(c.v)) return Fail(kBadParameterErr);
    v.centre = c;
    return kNoErr;
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom) {
    AIReal& out = Out(zoom);
    out = ViewOf(view).zoom;
    return kNoErr;
}

// The bounds divide by the zoom, so only a finite, positive zoom is taken.
AIErr SetDocumentViewZoom(AIDocumentViewHandle view, AIReal zoom) {
    View& v = ViewOf(view);
    if (!std::isfinite(zoom) || zoom <= 0) return Fail(kBadParameterErr);
    v.zoom = zoom;
    return kNoErr;
}

constexpr AIDocumentViewSuite kDocumentViewSuite = {
    TRIMORA_HOST_FN(AIDocumentViewSuite, CountDocumentViews, CountDocumentViews),
    TRIMORA_HOST_FN(AIDocumentViewSuite, GetNthDocumentView, GetNthDocumentView),
    TRIMORA_HOST_FN(AIDocumentViewSuite, GetDocumentViewBounds, GetDocumentViewBounds),
    TRIMORA_HOST_FN(AIDocumentViewSuite, GetDocumentViewCenter, GetDocumentViewCenter),
    TRIMORA_HOST_FN(AIDocumentViewSuite, SetDocumentViewCenter, SetDocumentViewCenter),
    TRIMORA_HOST_FN(AIDocumentViewSuite, GetDocumentViewZoom, GetDocumentViewZoom),
    TRIMORA_HOST_FN(AIDocumentViewSuite, SetDocumentViewZoom, SetDocumentViewZoom),
};

// The corners run clockwise (y up) from the top left: (left, top), (right, top), (right, bottom), (left, bottom),
// so a rectangle with top above bottom has a negative signed area. Reversed keeps the top-left start and runs
// counter-clockwise: (left, top), (left, bottom), (right, bottom), (right, top).
AIErr NewRect(AIReal top, AIReal left, AIReal bottom, AIReal right, AIBoolean reversed, AIArtHandle* newArt) {
    AIArtHandle& out = Out(newArt);
    out = nullptr;
    for (AIReal v : {top, left, bottom, right}) {
        if (!std::isfinite(v)) return Fail(kBadParameterErr);
    }
    AIRealPoint corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    if (reversed) std::swap(corners[1], corners[3]);
    Document& doc = Doc();
    ArtId id;
    if (AIErr err = doc.NewArt(kPathArt, kPlaceAboveAll, {}, &id)) return err;
    Art& a = *doc.Find(id);
    for (AIRealPoint c : corners)
        a.segments.push_back({c, c, c, 1});
    a.closed = true;
    out = HandleOf(id);
    return kNoErr;
}

constexpr AIShapeConstructionSuite kShapeConstructionSuite = {
    TRIMORA_HOST_FN(AIShapeConstructionSuite, NewRect, NewRect),
};

}  // namespace

void RegisterDocumentSuites(SuiteRegistry& registry) {
    registry.Add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocumentSuite);
    registry.Add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kDocumentViewSuite);
    registry.Add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &kShapeConstructionSuite);
    RegisterHitTestSuite(registry);
}

}  // namespace headless
