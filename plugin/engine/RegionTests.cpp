// The tests every pass puts each object to: may it be touched, how its bounds lie against the region's, whether a
// point lies in the region, and the keep-or-delete rule for text frames and symbols, which are never cut.
#include <array>

#include "plugin/engine/CZvKiruru.h"
#include "plugin/host/Suites.h"

namespace {

constexpr ASInt32 kLockedOrHidden = kArtLocked | kArtHidden;

AIErr LockedOrHidden(AIArtHandle art, bool& flagged) {
    ASInt32 attr = 0;
    if (AIErr err = sAIArt->GetArtUserAttr(art, kLockedOrHidden, &attr)) return err;
    flagged = (attr & kLockedOrHidden) != 0;
    return kNoErr;
}

}  // namespace

// A compound path is editable only when none of its members is locked or hidden; members are not asked whether
// they are guides.
AIErr CZvKiruru::IsArtEditable(AIArtHandle art, ASInt16 type, AIBoolean& editable) {
    editable = 0;
    bool flagged = false;
    if (AIErr err = LockedOrHidden(art, flagged)) return err;
    AIBoolean guide = 0;
    if (type == kPathArt) {
        if (AIErr err = sAIPath->GetPathGuide(art, &guide)) return err;
    }
    if (flagged || guide) return kNoErr;
    if (type == kCompoundPathArt) {
        AIArtHandle member = nullptr;
        if (AIErr err = sAIArt->GetArtFirstChild(art, &member)) return err;
        while (member) {
            AIArtHandle next = nullptr;
            if (AIErr err = sAIArt->GetArtSibling(member, &next)) return err;
            if (AIErr err = LockedOrHidden(member, flagged)) return err;
            if (flagged) return kNoErr;
            member = next;
        }
    }
    editable = 1;
    return kNoErr;
}

// Bounds decide only what lies wholly apart from the region's bounds, or, for a rectangular region, wholly
// within them. A lone anchor point is judged against the region's bounds whatever the region's shape.
ArtRelation CZvKiruru::ClassifyArt(AIArtHandle art) {
    ASInt16 type = kUnknownArt;
    if (sAIArt->GetArtType(art, &type)) return kArtRelationError;
    if (type == kPathArt) {
        ASInt16 count = 0;
        if (sAIPath->GetPathSegmentCount(art, &count)) return kArtRelationError;
        if (count == 1) {
            AIPathSegment point{};
            if (sAIPath->GetPathSegments(art, 0, 1, &point)) return kArtRelationError;
            return sAIRealMath->AIRealPointInAIRealRect(&point.p, &regionBounds_) ? kArtInRegion : kArtOutsideRegion;
        }
    }
    AIRealRect bounds{};
    if (sAIArt->GetArtBounds(art, &bounds)) return kArtRelationError;
    if (sAIRealMath->AIRealRectInAIRealRect(&regionBounds_, &bounds)) return kArtCrossesRegion;
    if (!sAIRealMath->AIRealRectOverlap(&bounds, &regionBounds_)) return kArtOutsideRegion;
    if (regionIsRectangle_ && sAIRealMath->AIRealRectInAIRealRect(&bounds, &regionBounds_)) return kArtInRegion;
    return kArtCrossesRegion;
}

// A host that cannot answer is not a miss: the caller would delete on a guess.
AIErr CZvKiruru::HitsRegion(AIRealPoint point, bool& hits) {
    hits = false;
    AIHitRef hit = nullptr;
    if (AIErr err = sAIHitTest->HitTest(clipRegion_, &point, 0, &hit)) {
        if (hit) sAIHitTest->Release(hit);
        return err;
    }
    if (!hit) return kNoErr;
    hits = sAIHitTest->IsHit(hit) && sAIHitTest->GetArt(hit) == clipRegion_;
    return sAIHitTest->Release(hit);
}

// Without DeleteTextOnTheLine one corner on the kept side keeps the object; with it, one corner off that side
// deletes it.
AIErr CZvKiruru::KirinukiTextOrSymbol(AIArtHandle art) {
    AIRealRect b{};
    if (AIErr err = sAIArt->GetArtBounds(art, &b)) return err;
    const std::array<AIRealPoint, 4> corners = {
        {{b.left, b.top}, {b.left, b.bottom}, {b.right, b.top}, {b.right, b.bottom}}};
    const bool deleteOnTheLine = options_.DeleteTextOnTheLine != 0;
    for (const AIRealPoint& corner : corners) {
        bool inside = false;
        if (AIErr err = HitsRegion(corner, inside)) return err;
        const bool kept = inside == KeepsInside();
        if (kept && !deleteOnTheLine) return kNoErr;
        if (!kept && deleteOnTheLine) return sAIArt->DisposeArt(art);
    }
    return deleteOnTheLine ? kNoErr : sAIArt->DisposeArt(art);
}
