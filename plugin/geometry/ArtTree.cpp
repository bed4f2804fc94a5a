// Attributes over a subtree, and emptying a layer.
#include "plugin/geometry/ArtTree.h"

#include "plugin/host/Suites.h"

namespace {

constexpr ASInt32 kLockedOrHidden = kArtLocked | kArtHidden;

// Unlocks and shows one object with everything inside it, then disposes it; *next is the object behind it.
AIErr DisposeWholeObject(AIArtHandle object, AIArtHandle* next) {
    if (AIErr err = sAIArt->SetArtUserAttr(object, kLockedOrHidden, 0)) return err;
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(object, &child)) return err;
    if (child) {
        if (AIErr err = SetArtTreeAttr(child, kLockedOrHidden, 0, true)) return err;
    }
    if (AIErr err = sAIArt->GetArtSibling(object, next)) return err;
    return sAIArt->DisposeArt(object);
}

AIErr DisposeLayerObjects(AILayerHandle layer) {
    AIArtHandle group = nullptr;
    if (AIErr err = sAIArt->GetFirstArtOfLayer(layer, &group)) return err;
    AIArtHandle object = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(group, &object)) return err;
    while (object) {
        AIArtHandle next = nullptr;
        if (AIErr err = DisposeWholeObject(object, &next)) return err;
        object = next;
    }
    return kNoErr;
}

}  // namespace

AIErr SetArtTreeAttr(AIArtHandle art, ASInt32 mask, ASInt32 values, bool followSiblings) {
    if (AIErr err = sAIArt->SetArtUserAttr(art, mask, values)) return err;
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(art, &child)) return err;
    if (child) {
        if (AIErr err = SetArtTreeAttr(child, mask, values, true)) return err;
    }
    if (!followSiblings) return kNoErr;
    for (AIArtHandle current = art;;) {
        AIArtHandle sibling = nullptr;
        if (AIErr err = sAIArt->GetArtSibling(current, &sibling)) return err;
        if (!sibling) return kNoErr;
        if (AIErr err = SetArtTreeAttr(sibling, mask, values, false)) return err;
        current = sibling;
    }
}

AIErr ClearLayerArt(AILayerHandle layer) {
    // A flag that cannot be read is left as set here, editable and visible.
    AIBoolean editable = 1;
    AIBoolean visible = 1;
    sAILayer->GetLayerEditable(layer, &editable);
    sAILayer->GetLayerVisible(layer, &visible);
    sAILayer->SetLayerEditable(layer, 1);
    sAILayer->SetLayerVisible(layer, 1);
    const AIErr result = DisposeLayerObjects(layer);
    sAILayer->SetLayerEditable(layer, editable);
    sAILayer->SetLayerVisible(layer, visible);
    return result;
}

AIErr FindPlace(AIArtHandle art, ArtPlace* place) {
    if (AIErr err = sAIArt->GetArtSibling(art, &place->next)) return err;
    return sAIArt->GetArtParent(art, &place->parent);
}

AIErr ReturnToPlace(AIArtHandle art, const ArtPlace& place) {
    return place.next ? sAIArt->ReorderArt(art, kPlaceAbove, place.next)
                      : sAIArt->ReorderArt(art, kPlaceInsideOnBottom, place.parent);
}
