#include "headless/suites/ArtPermissions.h"

namespace headless {

AIErr CheckDisposable(const Document& doc, ArtId id) {
    const Art* a = doc.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->ownerLayer && !doc.FindLayer(a->ownerLayer)->parentLayer) return Fail(kLayerGroupErr);
    if (a->userAttrs & kArtLocked) return Fail(kArtLockedErr);
    if (a->userAttrs & kArtHidden) return Fail(kArtHiddenErr);
    for (LayerId l = doc.LayerOfArt(id); l; l = doc.FindLayer(l)->parentLayer) {
        const Layer& layer = *doc.FindLayer(l);
        if (!layer.editable) return Fail(kArtLockedErr);
        if (!layer.visible) return Fail(kArtHiddenErr);
    }
    return kNoErr;
}

}  // namespace headless
