// The document the host keeps: top-level layers (index 0 is the topmost), the art tree of each layer, the
// selection, gradients, art styles and the view. Every call that takes an id checks it; a dead id fails.
#pragma once

#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "headless/document/Art.h"
#include "headless/document/Errors.h"
#include "headless/document/Ids.h"
#include "headless/geometry/Box.h"

namespace headless {

// What part of the page the user sees. The bounds follow from the centre, the zoom and the window size.
struct View {
    AIRealPoint centre{0, 0};
    AIReal zoom = 1;
    AIReal windowWidth = 800;  // in screen pixels
    AIReal windowHeight = 600;

    AIRealRect Bounds() const;
};

// Page size and what a file held as a whole that the document does not model (for SVG: definitions and the root
// element's attributes).
struct PageInfo {
    AIReal width = 612;
    AIReal height = 792;
    CarriedData carried;
};

class Document {
public:
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Layers. Only top-level layers are counted and walked; sublayers are reached through the art tree.
    int CountLayers() const { return static_cast<int>(topLayers_.size()); }
    LayerId NthLayer(int index) const;       // null when out of range
    int LayerIndex(LayerId layer) const;     // -1 for a sublayer or a dead id
    LayerId NextLayer(LayerId layer) const;  // the layer below, null after the last
    // kPlaceAbove / kPlaceBelow relative to `ref`; kPlaceAboveAll / kPlaceBelowAll (no ref needed).
    AIErr InsertLayer(LayerId ref, AIPaintOrder order, LayerId* out);
    // A sublayer: its group is placed in an existing tree by paint order relative to `ref`, like new art.
    AIErr InsertSublayer(AIPaintOrder order, ArtId ref, LayerId* out);
    AIErr DeleteLayer(LayerId layer);  // with its art
    Layer* FindLayer(LayerId id) { return layers_.Find(id); }
    const Layer* FindLayer(LayerId id) const { return layers_.Find(id); }
    LayerId CurrentLayer() const { return currentLayer_; }
    AIErr SetCurrentLayer(LayerId layer);
    bool LayerHasArt(LayerId layer) const;

    // Art.
    Art* Find(ArtId id) { return art_.Find(id); }
    const Art* Find(ArtId id) const { return art_.Find(id); }
    bool Contains(ArtId id) const { return art_.Contains(id); }
    ArtId ArtAt(std::uint32_t slot) const { return art_.IdAt(slot); }
    LayerId LayerAt(std::uint32_t slot) const { return layers_.IdAt(slot); }
    GradientId GradientAt(std::uint32_t slot) const { return gradients_.IdAt(slot); }
    ArtStyleId ArtStyleAt(std::uint32_t slot) const { return artStyles_.IdAt(slot); }
    // With no reference, new art goes to the top of the current layer (kPlaceBelow, kPlaceInsideOnBottom and
    // kPlaceBelowAll: its bottom).
    AIErr NewArt(AIArtType type, AIPaintOrder order, ArtId ref, ArtId* out);
    AIErr Dispose(ArtId id);  // with its subtree; a layer's own group cannot be disposed
    AIErr Duplicate(ArtId id, AIPaintOrder order, ArtId ref, ArtId* out);  // deep copy
    AIErr Reorder(ArtId id, AIPaintOrder order, ArtId ref);
    LayerId LayerOfArt(ArtId id) const;  // the innermost layer, sublayers included; null for detached art
    bool IsLayerGroup(ArtId id) const;
    // The only way to change user attributes: keeps the selection index right.
    AIErr SetUserAttr(ArtId id, std::int32_t mask, std::int32_t values);
    // A detached group, for plug-in art's edit art; disposed with its owner.
    AIErr NewDetachedGroup(ArtId* out);

    // Geometric bounds: exact Bezier extremes for paths, the union of the members for containers. Objects
    // without extent (an empty group, a path without segments) give an all-zero rectangle.
    AIErr Bounds(ArtId id, const AIRealMatrix* m, AIRealRect* out) const;
    // Grows box by the object's extent under m (nothing for an object without extent); id must be live.
    void AddBounds(ArtId id, const AIRealMatrix* m, geometry::Box& box) const;

    // Listings. A layer: its group, then every object at any depth, containers before members, front to
    // back. The selection: top-down, each selected object preceded by the containers on its way, the layer
    // group first; costs time in proportion to the selected objects and their depth.
    AIErr ListLayerArt(LayerId layer, std::vector<ArtId>* out) const;
    std::vector<ArtId> ListSelection() const;
    // -1 when `a` lies in front of `b`, 1 when behind; an error when one contains the other or either is not
    // on the page.
    AIErr CompareStacking(ArtId a, ArtId b, int* out) const;
    std::size_t ArtCount() const { return art_.LiveCount(); }
    // Room for `more` objects, for a reader that knows how many it will add.
    void ReserveArt(std::size_t more) { art_.Reserve(more); }

    // Styles. New art takes the current path style.
    AIPathStyle currentStyle;
    // Compound paths answer with their first member's style and pass a new style to every member.
    AIErr GetPathStyle(ArtId id, AIPathStyle* out) const;
    AIErr SetPathStyle(ArtId id, const AIPathStyle& style);
    // The stored form of a style for an object: one that an object given lately already holds when equal.
    SharedValue<AIPathStyle> ShareStyle(const AIPathStyle& style);
    ArtStyleId InternArtStyle(const ArtStyle& style);
    const ArtStyle* FindArtStyle(ArtStyleId id) const { return artStyles_.Find(id); }
    GradientId AddGradient(Gradient g) { return gradients_.Add(std::move(g)); }
    // How path styles name a gradient of this document: the id packed into the handle, checked on the way back
    // (null for a handle that names no live gradient).
    AIGradientHandle GradientHandle(GradientId id) const;
    GradientId GradientOf(AIGradientHandle handle) const;
    Gradient* FindGradient(GradientId id) { return gradients_.Find(id); }
    const Gradient* FindGradient(GradientId id) const { return gradients_.Find(id); }

    View view;
    PageInfo page;

private:
    AIErr CheckDestination(AIPaintOrder order, ArtId ref) const;
    // The object's path from the top of the page: its top-level layer's index, then the order keys of every
    // object below the layer group down to it. `chain` receives the object and its containers, innermost first.
    bool StackingKey(ArtId id, std::vector<ArtId>& chain, std::vector<std::uint64_t>& key) const;
    AIErr Link(ArtId id, AIPaintOrder order, ArtId ref);
    void Unlink(ArtId id);
    void AssignOrderKey(ArtId id);
    void RenumberChildren(ArtId parent);
    AIErr CopySubtree(ArtId source, ArtId* out);
    void FreeSubtree(ArtId root);
    void SetSelected(ArtId id, bool selected);
    bool IsInSubtree(ArtId node, ArtId root) const;

    SlotStore<Art, ArtTag> art_;
    SlotStore<Layer, LayerTag> layers_;
    SlotStore<Gradient, GradientTag> gradients_;
    SlotStore<ArtStyle, ArtStyleTag> artStyles_;
    std::unordered_map<std::string, ArtStyleId> artStyleIndex_;
    // Styles are plain bytes; equal bytes are an equal style, and one that differs only in padding merely gets a
    // copy of its own.
    struct SameBytes {
        bool operator()(const AIPathStyle& a, const AIPathStyle& b) const { return std::memcmp(&a, &b, sizeof a) == 0; }
    };
    RecentValues<AIPathStyle, SameBytes> recentStyles_;
    std::vector<LayerId> topLayers_;
    LayerId currentLayer_;
    std::unordered_set<std::uint64_t> selected_;
};

// The default paint of new art: white fill, black one-point stroke.
AIPathStyle DefaultPathStyle();

}  // namespace headless
