// The outside pass: walks the layers and their art front to back and removes whatever lies outside the region.
// Also the layer walk, the children visit and the empty-layer sweep, which the inside pass shares.
#include "plugin/engine/CZvKiruru.h"
#include "plugin/engine/CrossingArt.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kOutsidePassText = "切り抜き(外側)を実行中";

}  // namespace

// A sublayer the user locked or hid is left alone with everything in it.
AIErr CZvKiruru::IsClosedSublayer(AIArtHandle art, bool& closed) {
    closed = false;
    AIBoolean layerGroup = 0;
    if (AIErr err = sAIArt->IsArtLayerGroup(art, &layerGroup)) return err;
    if (!layerGroup) return kNoErr;
    ASInt32 attr = 0;
    if (AIErr err = sAIArt->GetArtUserAttr(art, kArtLocked | kArtHidden, &attr)) return err;
    closed = (attr & (kArtLocked | kArtHidden)) != 0;
    return kNoErr;
}

AIErr CZvKiruru::KirinukiOutside() {
    if (AIErr err = WalkLayers(kOutsidePassText, options_.DeleteEmptyLayer != 0)) return err;
    if (!options_.PreserveMaskPath) {
        if (AIErr err = DisposeRegion()) return err;
    }
    if (options_.DeleteEmptyLayer) DeleteEmptyLayers();
    return sAIDocument->RedrawDocument();
}

AIErr CZvKiruru::WalkLayers(const char* passText, bool deleteEmptied) {
    ASInt32 count = 0;
    if (AIErr err = sAILayer->CountLayers(&count)) return err;
    AILayerHandle layer = nullptr;
    if (AIErr err = sAILayer->GetNthLayer(1, &layer)) return err;
    while (layer) {
        AIBoolean visible = 0, editable = 0;
        if (AIErr err = sAILayer->GetLayerVisible(layer, &visible)) return err;
        if (AIErr err = sAILayer->GetLayerEditable(layer, &editable)) return err;
        if (!visible || !editable) {
            if (AIErr err = sAILayer->GetNextLayer(layer, &layer)) return err;
            continue;
        }
        if (AIErr err = StartLayer(passText, layer)) return err;
        AIArtHandle group = nullptr;
        if (AIErr err = sAIArt->GetFirstArtOfLayer(layer, &group)) return err;
        AIBoolean clipped = 0;
        if (AIErr err = sAIGroup->GetGroupClipped(group, &clipped)) return err;
        const bool clipGroup = clipped && !HoldsRegion(group);
        if (AIErr err = clipGroup ? KirinukiClipGroup(group) : KirinukiChildren(group)) return err;
        AILayerHandle next = nullptr;
        if (AIErr err = sAILayer->GetNextLayer(layer, &next)) return err;
        if (deleteEmptied) {
            AIBoolean hasArt = 1;
            if (AIErr err = sAILayer->LayerHasArt(layer, &hasArt)) return err;
            if (!hasArt) {
                if (AIErr err = DeleteLayerUnlessLast(layer)) return err;
            }
        }
        layer = next;
        if (options_.ShowProgress) {
            if (AIErr err = sAIDocument->RedrawDocument()) return err;
        }
    }
    return kNoErr;
}

AIErr CZvKiruru::KirinukiChildren(AIArtHandle group) {
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(group, &child)) return err;
    return VisitEach(child);
}

// Each object by itself, its next sibling fetched first: the visit may replace or delete it.
AIErr CZvKiruru::VisitEach(AIArtHandle first) {
    for (AIArtHandle art = first; art;) {
        AIArtHandle next = nullptr;
        if (AIErr err = sAIArt->GetArtSibling(art, &next)) return err;
        if (AIErr err = KeepsInside() ? KirinukiArtOutside(art, false) : KirinukiArtInside(art, false)) return err;
        art = next;
    }
    return kNoErr;
}

AIErr CZvKiruru::KirinukiArtOutside(AIArtHandle art, bool followSiblings) {
    return KirinukiArt(art, followSiblings);
}

// The visit both passes make, each removing its own side. Handles are fetched before the object is handled, and
// replacement art goes in front of the object it replaces, so the walk never meets new art. Siblings are followed
// in a loop rather than by recursion: a layer can hold more objects than a stack has frames.
AIErr CZvKiruru::KirinukiArt(AIArtHandle art, bool followSiblings) {
    const bool keepsInside = KeepsInside();
    const ArtRelation removedSide = keepsInside ? kArtOutsideRegion : kArtInRegion;
    for (; art;) {
        bool closedSublayer = false;
        if (AIErr err = IsClosedSublayer(art, closedSublayer)) return err;
        AIArtHandle next = nullptr;
        if (closedSublayer) {
            // Only the sublayer is passed over; what follows it in the chain is visited as usual.
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
        // The inside pass ends the chain the region stands in.
        if (!keepsInside && art == clipRegion_) return kNoErr;

        AIBoolean editable = 0;
        if (AIErr err = IsArtEditable(art, type, editable)) return err;
        // A locked or hidden object is left alone with everything in it.
        bool visitChildren = editable != 0;
        // The region and what holds it are walked, never judged: deleting or cutting one takes the region along.
        if (editable && !HoldsRegion(art)) {
            const ArtRelation relation = ClassifyArt(art);
            if (relation == kArtRelationError) return kClassifyFailedErr;
            if (relation == removedSide) {
                if (AIErr err = sAIArt->DisposeArt(art)) return err;
                visitChildren = false;
            } else if (relation == kArtCrossesRegion) {
                if (const CrossingArt* row = FindCrossingArt(type)) {
                    if (const CrossingHandler handler = keepsInside ? row->outside : row->inside) {
                        if (AIErr err = (this->*handler)(art)) return err;
                    }
                    if (row->visitsChildren) visitChildren = false;
                }
            }
        }
        if (visitChildren && child && type != kCompoundPathArt && type != kTextFrameArt) {
            if (AIErr err = KirinukiArt(child, true)) return err;
        }
        if (!followSiblings) return kNoErr;
        art = next;
    }
    return kNoErr;
}

// Every top-level layer without art goes, the work layer too when the pass left it empty, but the document keeps
// one layer. Errors end the sweep without a word: the clipping itself is done.
void CZvKiruru::DeleteEmptyLayers() {
    AILayerHandle layer = nullptr;
    if (sAILayer->GetNthLayer(0, &layer)) return;
    while (layer) {
        AILayerHandle next = nullptr;
        if (sAILayer->GetNextLayer(layer, &next)) return;
        AIBoolean hasArt = 1;
        if (sAILayer->LayerHasArt(layer, &hasArt)) return;
        if (!hasArt && DeleteLayerUnlessLast(layer)) return;
        layer = next;
    }
}

// A document without layers is not one the user can draw in: the last layer stays, empty or not. The work layer
// does not count, as it goes at the end of the run.
AIErr CZvKiruru::DeleteLayerUnlessLast(AILayerHandle layer) {
    ASInt32 count = 0;
    if (AIErr err = sAILayer->CountLayers(&count)) return err;
    const ASInt32 workLayers = workLayer_ && layer != workLayer_ ? 1 : 0;
    if (count - 1 - workLayers < 1) return kNoErr;
    if (AIErr err = sAILayer->DeleteLayer(layer)) return err;
    if (layer == workLayer_) workLayer_ = nullptr;
    return kNoErr;
}
