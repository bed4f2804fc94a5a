// Finding the clip region in the selection, telling whether it is an axis-aligned rectangle, and bringing it into
// the view.
#include <algorithm>
#include <array>
#include <cmath>

#include "plugin/engine/CZvKiruru.h"
#include "plugin/geometry/ArtCollection.h"
#include "plugin/host/HostString.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kNothingSelectedText = "切り抜き領域オブジェクトが選択されていません";
constexpr const char* kOnlyOnePathText = "閉じたパスを１つだけ選択して下さい";
constexpr const char* kSimplePathOnlyText = "単独パスを１つだけ選択して下さい（複合パス等は不可）";
constexpr const char* kOpenPathText = "閉じたパスを選択して下さい";
constexpr const char* kPreviewOnlyText = "プレビュー表示で実行して下さい";

constexpr AIReal kDiagonalTolerance = 0.1;
constexpr AIReal kEdgeSineTolerance = 0.01;

AIErr Refuse(const char* utf8, AIBoolean& ok) {
    ok = 0;
    sAIUser->ErrorAlert(ai::HostString::FromUtf8(utf8).Ref());
    return kNoErr;
}

bool IsCorner(const AIPathSegment& s) {
    return s.in.h == s.p.h && s.in.v == s.p.v && s.out.h == s.p.h && s.out.v == s.p.v;
}

bool IsAxisAligned(AIRealPoint from, AIRealPoint to) {
    const AIReal sine = std::fabs(std::sin(sAIRealMath->AIRealPointAngle(&from, &to)));
    return sAIRealMath->EqualWithinTol(sine, 0, kEdgeSineTolerance) ||
           sAIRealMath->EqualWithinTol(sine, 1, kEdgeSineTolerance);
}

}  // namespace

// The host lists the layer group before what is selected in it, so the walk starts at the second entry. A
// clipping path is refused: the clip group holding it would be cut, and the region with it.
AIErr CZvKiruru::CheckClipRegion(AIBoolean& ok) {
    ok = 0;
    clipRegion_ = nullptr;
    ArtCollection selection;
    if (AIErr err = selection.FillFromSelection()) return err;
    if (selection.Count() == 0) return Refuse(kNothingSelectedText, ok);

    for (ASUInt64 i = 1; i < selection.Count(); ++i) {
        AIArtHandle art = selection.At(static_cast<ASInt32>(i));
        ASInt16 type = kUnknownArt;
        if (AIErr err = sAIArt->GetArtType(art, &type)) return err;
        if (type == kGroupArt) continue;
        if (clipRegion_) {
            clipRegion_ = nullptr;
            return Refuse(kOnlyOnePathText, ok);
        }
        if (type != kPathArt) return Refuse(kSimplePathOnlyText, ok);
        AIBoolean closed = 0;
        if (AIErr err = sAIPath->GetPathClosed(art, &closed)) return err;
        if (!closed) return Refuse(kOpenPathText, ok);
        AIPathStyle style{};
        if (AIErr err = sAIPathStyle->GetPathStyle(art, &style)) return err;
        if (style.clip) return Refuse(kSimplePathOnlyText, ok);
        clipRegion_ = art;
    }
    // Groups alone, or a single entry, select no path at all.
    if (!clipRegion_) return Refuse(kNothingSelectedText, ok);

    AILayerHandle layer = nullptr;
    if (AIErr err = sAIArt->GetLayerOfArt(clipRegion_, &layer)) return err;
    AIBoolean preview = 0;
    if (AIErr err = sAILayer->GetLayerPreview(layer, &preview)) return err;
    if (!preview) return Refuse(kPreviewOnlyText, ok);
    ok = 1;
    return kNoErr;
}

// Four corners without handles, equal diagonals and every edge horizontal or vertical. All four edges are
// looked at: three axis-aligned corners and equal diagonals still allow a fourth corner off the rectangle.
bool CZvKiruru::IsAxisAlignedRectangle(AIArtHandle path) {
    ASInt16 count = 0;
    if (sAIPath->GetPathSegmentCount(path, &count) || count != 4) return false;
    std::array<AIPathSegment, 4> segments{};
    if (sAIPath->GetPathSegments(path, 0, 4, segments.data())) return false;
    if (!std::ranges::all_of(segments, IsCorner)) return false;
    std::array<AIRealPoint, 4> p{};
    std::ranges::transform(segments, p.begin(), &AIPathSegment::p);
    if (!sAIRealMath->EqualWithinTol(sAIRealMath->AIRealPointLength(&p[0], &p[2]),
                                     sAIRealMath->AIRealPointLength(&p[1], &p[3]), kDiagonalTolerance)) {
        return false;
    }
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!IsAxisAligned(p[i], p[(i + 1) % p.size()])) return false;
    }
    return true;
}

// Zooms out only when the region is larger than the view; a region that would fit stays where it is.
AIErr CZvKiruru::FitViewToRegion() {
    AIDocumentViewHandle view = nullptr;
    if (AIErr err = sAIDocumentView->GetNthDocumentView(0, &view)) return err;
    AIRealRect v{};
    if (AIErr err = sAIDocumentView->GetDocumentViewBounds(view, &v)) return err;
    if (AIErr err = sAIArt->GetArtBounds(clipRegion_, &regionBounds_)) return err;
    const AIRealRect& r = regionBounds_;
    if (v.top >= r.top && r.bottom >= v.bottom && v.right >= r.right && r.left >= v.left) return kNoErr;

    AIReal zoom = 0;
    if (AIErr err = sAIDocumentView->GetDocumentViewZoom(view, &zoom)) return err;
    const AIReal viewHeight = v.top - v.bottom, viewWidth = v.right - v.left;
    const AIReal regionHeight = r.top - r.bottom, regionWidth = r.right - r.left;
    if (!(regionHeight > viewHeight || regionWidth > viewWidth)) return kNoErr;
    // A line-thin region has no extent to divide by in one direction; that direction sets no limit.
    AIReal newZoom = zoom;
    if (regionHeight > 0) newZoom = std::min(newZoom, zoom * viewHeight / regionHeight);
    if (regionWidth > 0) newZoom = std::min(newZoom, zoom * viewWidth / regionWidth);
    if (AIErr err = sAIDocumentView->SetDocumentViewZoom(view, newZoom)) return err;

    const AIRealPoint centre = {(r.left + r.right) * 0.5, (r.top + r.bottom) * 0.5};
    if (AIErr err = sAIDocumentView->GetNthDocumentView(0, &view)) return err;
    if (AIErr err = sAIDocumentView->SetDocumentViewCenter(view, &centre)) return err;
    return sAIDocument->RedrawDocument();
}
