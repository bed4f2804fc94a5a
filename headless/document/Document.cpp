// Layers and the art tree: creation, placement by paint order, duplication and disposal.
#include "headless/document/Document.h"

#include <algorithm>

namespace headless {
namespace {

constexpr std::uint64_t kKeyGap = std::uint64_t{1} << 32;
constexpr std::uint64_t kFirstKey = std::uint64_t{1} << 62;

}  // namespace

AIRealRect View::Bounds() const {
    const AIReal halfW = windowWidth / (2 * zoom), halfH = windowHeight / (2 * zoom);
    return {centre.h - halfW, centre.v + halfH, centre.h + halfW, centre.v - halfH};
}

AIPathStyle DefaultPathStyle() {
    AIPathStyle s{};
    s.fillPaint = 1;
    s.fill.color.kind = kGrayColor;
    s.fill.color.c.g.gray = 0;
    s.strokePaint = 1;
    s.stroke.color.kind = kGrayColor;
    s.stroke.color.c.g.gray = 1;
    s.stroke.width = 1;
    s.stroke.miterLimit = 4;
    return s;
}

Document::Document() : currentStyle(DefaultPathStyle()) {}

LayerId Document::NthLayer(int index) const {
    if (index < 0 || index >= CountLayers()) return {};
    return topLayers_[static_cast<std::size_t>(index)];
}

int Document::LayerIndex(LayerId layer) const {
    auto it = std::find(topLayers_.begin(), topLayers_.end(), layer);
    return it == topLayers_.end() ? -1 : static_cast<int>(it - topLayers_.begin());
}

LayerId Document::NextLayer(LayerId layer) const {
    const int i = LayerIndex(layer);
    return i < 0 ? LayerId{} : NthLayer(i + 1);
}

AIErr Document::InsertLayer(LayerId ref, AIPaintOrder order, LayerId* out) {
    std::size_t at;
    switch (order) {
        case kPlaceAboveAll:
            at = 0;
            break;
        case kPlaceBelowAll:
            at = topLayers_.size();
            break;
        case kPlaceAbove:
        case kPlaceBelow: {
            const int i = LayerIndex(ref);
            if (i < 0) return Fail(layers_.Contains(ref) ? kWrongKindErr : kDeadHandleErr);
            at = static_cast<std::size_t>(i) + (order == kPlaceBelow ? 1 : 0);
            break;
        }
        default:
            return Fail(kBadParameterErr);
    }
    ArtId group;
    Art g;
    g.type = kGroupArt;
    group = art_.Add(std::move(g));
    const LayerId layer = layers_.Add();
    layers_[layer].group = group;
    layers_[layer].title = "Layer " + std::to_string(layers_.LiveCount());
    art_[group].ownerLayer = layer;
    topLayers_.insert(topLayers_.begin() + static_cast<std::ptrdiff_t>(at), layer);
    if (!currentLayer_) currentLayer_ = layer;
    *out = layer;
    return kNoErr;
}

AIErr Document::InsertSublayer(AIPaintOrder order, ArtId ref, LayerId* out) {
    ArtId group;
    if (AIErr err = NewArt(kGroupArt, order, ref, &group)) return err;
    const LayerId layer = layers_.Add();
    layers_[layer].group = group;
    layers_[layer].parentLayer = LayerOfArt(group);
    layers_[layer].title = "Layer " + std::to_string(layers_.LiveCount());
    art_[group].ownerLayer = layer;
    *out = layer;
    return kNoErr;
}

AIErr Document::DeleteLayer(LayerId layer) {
    const Layer* l = layers_.Find(layer);
    if (!l) return Fail(kDeadHandleErr);
    const ArtId group = l->group;
    if (Art* g = art_.Find(group); g && g->parent) Unlink(group);
    FreeSubtree(group);  // also removes the layer record and any sublayers
    return kNoErr;
}

AIErr Document::SetCurrentLayer(LayerId layer) {
    if (!layers_.Contains(layer)) return Fail(kDeadHandleErr);
    currentLayer_ = layer;
    return kNoErr;
}

bool Document::LayerHasArt(LayerId layer) const {
    const Layer* l = layers_.Find(layer);
    const Art* g = l ? art_.Find(l->group) : nullptr;
    return g && g->firstChild;
}

AIErr Document::NewArt(AIArtType type, AIPaintOrder order, ArtId ref, ArtId* out) {
    switch (type) {
        case kGroupArt:
        case kPathArt:
        case kCompoundPathArt:
        case kPlacedArt:
        case kRasterArt:
        case kPluginArt:
        case kMeshArt:
        case kTextFrameArt:
        case kSymbolArt:
        case kMysteryPathArt:
        case kUnknownArt:
            break;
        default:
            return Fail(kBadParameterErr);
    }
    if (ref && !art_.Contains(ref)) return Fail(kDeadHandleErr);
    Art a;
    a.type = type;
    if (type == kPathArt || type == kCompoundPathArt) a.style = ShareStyle(currentStyle);
    if (type == kRasterArt) a.raster = std::make_shared<RasterData>();
    const ArtId id = art_.Add(std::move(a));
    if (AIErr err = Link(id, order, ref)) {
        art_.Remove(id);
        return err;
    }
    *out = id;
    return kNoErr;
}

AIErr Document::NewDetachedGroup(ArtId* out) {
    Art a;
    a.type = kGroupArt;
    *out = art_.Add(std::move(a));
    return kNoErr;
}

AIErr Document::Dispose(ArtId id) {
    const Art* a = art_.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->ownerLayer && !layers_[a->ownerLayer].parentLayer) return Fail(kLayerGroupErr);
    if (a->parent) Unlink(id);
    FreeSubtree(id);
    return kNoErr;
}

AIErr Document::Duplicate(ArtId id, AIPaintOrder order, ArtId ref, ArtId* out) {
    const Art* a = art_.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->ownerLayer) return Fail(kLayerGroupErr);
    if (ref && !art_.Contains(ref)) return Fail(kDeadHandleErr);
    ArtId copy;
    if (AIErr err = CopySubtree(id, &copy)) return err;
    if (AIErr err = Link(copy, order, ref)) {
        FreeSubtree(copy);
        return err;
    }
    *out = copy;
    return kNoErr;
}

AIErr Document::Reorder(ArtId id, AIPaintOrder order, ArtId ref) {
    const Art* a = art_.Find(id);
    if (!a || (ref && !art_.Contains(ref))) return Fail(kDeadHandleErr);
    if (a->ownerLayer && !layers_[a->ownerLayer].parentLayer) return Fail(kLayerGroupErr);
    // A plug-in object's edit art stays with its owner: moved onto the page it would be freed with the owner
    // while still linked there.
    if (!a->parent && !a->ownerLayer) return Fail(kWrongKindErr);
    if (ref && IsInSubtree(ref, id)) return Fail(kCycleErr);
    // Check the destination before unlinking, so that a refused move leaves the tree as it was.
    if (AIErr err = CheckDestination(order, ref)) return err;
    if (a->parent) Unlink(id);
    return Link(id, order, ref);
}

AIErr Document::CheckDestination(AIPaintOrder order, ArtId ref) const {
    if (order < kPlaceAbove || order > kPlaceBelowAll) return Fail(kBadParameterErr);
    if (!ref) return layers_.Contains(currentLayer_) ? kNoErr : Fail(kNoDocumentErr);
    const Art& r = art_[ref];
    switch (order) {
        case kPlaceInsideOnTop:
        case kPlaceInsideOnBottom:
            return r.IsContainer() ? kNoErr : Fail(kWrongKindErr);
        case kPlaceAboveAll:
        case kPlaceBelowAll:
            return LayerOfArt(ref) ? kNoErr : Fail(kLayerGroupErr);
        default:
            return r.parent ? kNoErr : Fail(kLayerGroupErr);
    }
}

LayerId Document::LayerOfArt(ArtId id) const {
    for (const Art* a = art_.Find(id); a; a = art_.Find(a->parent)) {
        if (a->ownerLayer) return a->ownerLayer;
    }
    return {};
}

bool Document::IsLayerGroup(ArtId id) const {
    const Art* a = art_.Find(id);
    return a && a->ownerLayer;
}

AIErr Document::SetUserAttr(ArtId id, std::int32_t mask, std::int32_t values) {
    Art* a = art_.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    a->userAttrs = (a->userAttrs & ~mask) | (values & mask);
    SetSelected(id, (a->userAttrs & kArtSelected) != 0);
    return kNoErr;
}

AIErr Document::Link(ArtId id, AIPaintOrder order, ArtId ref) {
    if (AIErr err = CheckDestination(order, ref)) return err;
    ArtId parent, before;  // insert in front of `before`; null before means at the back
    if (!ref) {
        parent = layers_[currentLayer_].group;
        const bool bottom = order == kPlaceBelow || order == kPlaceInsideOnBottom || order == kPlaceBelowAll;
        before = bottom ? ArtId{} : art_[parent].firstChild;
    } else {
        const Art& r = art_[ref];
        switch (order) {
            case kPlaceAbove:
            case kPlaceBelow:
                parent = r.parent;
                before = order == kPlaceAbove ? ref : r.next;
                break;
            case kPlaceInsideOnTop:
            case kPlaceInsideOnBottom:
                parent = ref;
                before = order == kPlaceInsideOnTop ? r.firstChild : ArtId{};
                break;
            case kPlaceAboveAll:
            default:
                parent = layers_[LayerOfArt(ref)].group;
                before = order == kPlaceAboveAll ? art_[parent].firstChild : ArtId{};
                break;
        }
    }
    Art& a = art_[id];
    Art& p = art_[parent];
    a.parent = parent;
    a.next = before;
    a.prev = before ? art_[before].prev : p.lastChild;
    if (a.prev) {
        art_[a.prev].next = id;
    } else {
        p.firstChild = id;
    }
    if (before) {
        art_[before].prev = id;
    } else {
        p.lastChild = id;
    }
    AssignOrderKey(id);
    return kNoErr;
}

void Document::Unlink(ArtId id) {
    Art& a = art_[id];
    Art& p = art_[a.parent];
    if (a.prev) {
        art_[a.prev].next = a.next;
    } else {
        p.firstChild = a.next;
    }
    if (a.next) {
        art_[a.next].prev = a.prev;
    } else {
        p.lastChild = a.prev;
    }
    a.parent = a.prev = a.next = {};
}

void Document::AssignOrderKey(ArtId id) {
    Art& a = art_[id];
    const std::uint64_t* prev = a.prev ? &art_[a.prev].orderKey : nullptr;
    const std::uint64_t* next = a.next ? &art_[a.next].orderKey : nullptr;
    if (!prev && !next) {
        a.orderKey = kFirstKey;
    } else if (!prev) {
        if (*next <= kKeyGap) return RenumberChildren(a.parent);
        a.orderKey = *next - kKeyGap;
    } else if (!next) {
        if (*prev >= UINT64_MAX - kKeyGap) return RenumberChildren(a.parent);
        a.orderKey = *prev + kKeyGap;
    } else {
        if (*next - *prev < 2) return RenumberChildren(a.parent);
        a.orderKey = *prev + (*next - *prev) / 2;
    }
}

void Document::RenumberChildren(ArtId parent) {
    std::uint64_t key = kKeyGap;
    for (ArtId c = art_[parent].firstChild; c; c = art_[c].next) {
        art_[c].orderKey = key;
        key += kKeyGap;
    }
}

AIErr Document::CopySubtree(ArtId source, ArtId* out) {
    Art copy = art_[source];
    copy.parent = copy.firstChild = copy.lastChild = copy.prev = copy.next = {};
    copy.ownerLayer = {};  // a copied sublayer is a plain group
    if (copy.raster) copy.raster = std::make_shared<RasterData>(*copy.raster);
    const ArtId editArt = copy.editArt;
    copy.editArt = {};
    const ArtId id = art_.Add(std::move(copy));
    SetSelected(id, (art_[id].userAttrs & kArtSelected) != 0);
    if (editArt) {
        ArtId editCopy;
        CopySubtree(editArt, &editCopy);
        art_[id].editArt = editCopy;
    }
    // Children are appended in order, so each goes to the back of the copy.
    for (ArtId c = art_[source].firstChild; c; c = art_[c].next) {
        ArtId childCopy;
        CopySubtree(c, &childCopy);
        Link(childCopy, kPlaceInsideOnBottom, id);
    }
    *out = id;
    return kNoErr;
}

void Document::FreeSubtree(ArtId root) {
    std::vector<ArtId> stack{root};
    while (!stack.empty()) {
        const ArtId id = stack.back();
        stack.pop_back();
        Art* a = art_.Find(id);
        if (!a) continue;
        for (ArtId c = a->firstChild; c; c = art_[c].next)
            stack.push_back(c);
        if (a->editArt) stack.push_back(a->editArt);
        if (a->ownerLayer) {
            const LayerId layer = a->ownerLayer;
            topLayers_.erase(std::remove(topLayers_.begin(), topLayers_.end(), layer), topLayers_.end());
            layers_.Remove(layer);
            if (currentLayer_ == layer) currentLayer_ = topLayers_.empty() ? LayerId{} : topLayers_.front();
        }
        SetSelected(id, false);
        art_.Remove(id);
    }
}

bool Document::IsInSubtree(ArtId node, ArtId root) const {
    for (ArtId cur = node; cur;) {
        if (cur == root) return true;
        const Art* a = art_.Find(cur);
        if (!a) break;
        cur = a->parent;
    }
    return false;
}

}  // namespace headless
