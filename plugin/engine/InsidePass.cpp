// The inside pass, which removes whatever lies inside the region: the mirror of the outside pass, over the same
// layer walk. Crossing art keeps its part outside the region; placed art and rasters stay whole.
#include "plugin/engine/CZvKiruru.h"
#include "plugin/engine/CrossingArt.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kInsidePassText = "切り抜き(内側)を実行中";

}  // namespace

// Emptied layers go only in the final sweep. A region the host would not delete is not reported: the clipping
// is done.
AIErr CZvKiruru::KirinukiInside() {
    if (AIErr err = WalkLayers(kInsidePassText, false)) return err;
    if (!options_.PreserveMaskPath) DisposeRegion();
    if (options_.DeleteEmptyLayer) DeleteEmptyLayers();
    return sAIDocument->RedrawDocument();
}

// As the outside pass: handles are fetched before the object is handled, a locked or hidden object is left alone
// with everything in it, and the region and what holds it are walked, never judged. Meeting the region ends the
// chain it stands in.
AIErr CZvKiruru::KirinukiArtInside(AIArtHandle art, bool followSiblings) {
    for (; art;) {
        bool closedSublayer = false;
        if (AIErr err = IsClosedSublayer(art, closedSublayer)) return err;
        AIArtHandle next = nullptr;
        if (closedSublayer) {
            if (!followSiblings) return kNoErr;
            if (AIErr err = sAIArt->GetArtSibling(art, &next)) return err;
            art = next;
            continue;
        }
        if (AIErr err = StepProgress()) return err;
        ASInt16 type = kUnknownArt;
        AIArtHandle child = nullptr;
        if (AIErr err = sAIArt->GetArtType(art, &type)) return err;
        if (AIErr err = sAIArt->GetArtFirstChild(art, &child)) return err;
        if (AIErr err = sAIArt->GetArtSibling(art, &next)) return err;
        if (art == clipRegion_) return kNoErr;

        AIBoolean editable = 0;
        if (AIErr err = IsArtEditable(art, type, editable)) return err;
        bool visitChildren = editable != 0;
        if (editable && !HoldsRegion(art)) {
            switch (ClassifyArt(art)) {
                case kArtRelationError:
                    return kClassifyFailedErr;
                case kArtInRegion:
                    if (AIErr err = sAIArt->DisposeArt(art)) return err;
                    visitChildren = false;
                    break;
                case kArtOutsideRegion:
                    break;
                case kArtCrossesRegion:
                    if (const CrossingArt* row = FindCrossingArt(type)) {
                        if (row->inside) {
                            if (AIErr err = (this->*row->inside)(art)) return err;
                        }
                        if (row->visitsChildren) visitChildren = false;
                    }
                    break;
            }
        }
        if (visitChildren && child && type != kCompoundPathArt && type != kTextFrameArt) {
            if (AIErr err = KirinukiArtInside(child, true)) return err;
        }
        if (!followSiblings) return kNoErr;
        art = next;
    }
    return kNoErr;
}
