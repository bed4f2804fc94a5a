// Art, layer, path, path style, group, art style, plug-in group and art set suites. The art and group suites live
// here; the others in files of their own.
#include <cmath>

#include "headless/document/SdkGeometry.h"
#include "headless/suites/ArtPermissions.h"
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIGroup.h"

namespace headless {
namespace {

// The art suite takes paint orders and types as plain 16-bit values; the document checks their range.
AIErr NewArt(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    AIArtHandle& out = Out(newArt);
    out = nullptr;
    const ArtId ref = prep ? ArtIdOf(prep) : ArtId{};
    ArtId id;
    if (AIErr err = Doc().NewArt(static_cast<AIArtType>(type), static_cast<AIPaintOrder>(paintOrder), ref, &id)) {
        return err;
    }
    out = HandleOf(id);
    return kNoErr;
}

// The application lets no plug-in take away what the user has locked or hidden.
AIErr DisposeArt(AIArtHandle art) {
    Document& doc = Doc();
    const ArtId id = ArtIdOf(art);
    if (AIErr err = CheckDisposable(doc, id)) return err;
    return doc.Dispose(id);
}

AIErr ReorderArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep) {
    const ArtId id = ArtIdOf(art);
    const ArtId ref = prep ? ArtIdOf(prep) : ArtId{};
    return Doc().Reorder(id, static_cast<AIPaintOrder>(paintOrder), ref);
}

AIErr DuplicateArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    AIArtHandle& out = Out(newArt);
    out = nullptr;
    const ArtId id = ArtIdOf(art);
    const ArtId ref = prep ? ArtIdOf(prep) : ArtId{};
    ArtId copy;
    if (AIErr err = Doc().Duplicate(id, static_cast<AIPaintOrder>(paintOrder), ref, &copy)) return err;
    out = HandleOf(copy);
    return kNoErr;
}

AIErr GetFirstArtOfLayer(AILayerHandle layer, AIArtHandle* art) {
    AIArtHandle& out = Out(art);
    out = HandleOf(LayerOf(layer).group);
    return kNoErr;
}

// Edit art of plug-in objects belongs to no layer: it answers null.
AIErr GetLayerOfArt(AIArtHandle art, AILayerHandle* layer) {
    AILayerHandle& out = Out(layer);
    out = HandleOf(Doc().LayerOfArt(ArtIdOf(art)));
    return kNoErr;
}

AIErr GetArtType(AIArtHandle art, ASInt16* type) {
    ASInt16& out = Out(type);
    out = ArtOf(art).type;
    return kNoErr;
}

AIErr GetArtUserAttr(AIArtHandle art, ASInt32 whichAttr, ASInt32* attr) {
    ASInt32& out = Out(attr);
    out = ArtOf(art).userAttrs & whichAttr;
    return kNoErr;
}

AIErr SetArtUserAttr(AIArtHandle art, ASInt32 whichAttr, ASInt32 attr) {
    return Doc().SetUserAttr(ArtIdOf(art), whichAttr, attr);
}

// The four neighbours; a refused art leaves the answer null.
template <ArtId Art::*Link>
AIErr Neighbour(AIArtHandle art, AIArtHandle* result) {
    AIArtHandle& out = Out(result);
    out = nullptr;
    out = HandleOf(ArtOf(art).*Link);
    return kNoErr;
}

AIErr GetArtBounds(AIArtHandle art, AIRealRect* bounds) {
    AIRealRect& out = Out(bounds);
    return Doc().Bounds(ArtIdOf(art), nullptr, &out);
}

// Control bounds take every anchor and handle; visible bounds add half the stroke for stroked paths.
void AddFlaggedBounds(const Document& doc, ArtId id, const AIRealMatrix* m, ASInt32 flags, geometry::Box& b) {
    const Art& a = *doc.Find(id);
    if (a.IsContainer()) {
        for (ArtId c = a.firstChild; c; c = doc.Find(c)->next)
            AddFlaggedBounds(doc, c, m, flags, b);
        return;
    }
    if (a.type != kPathArt) {
        doc.AddBounds(id, m, b);
        return;
    }
    if (a.segments.empty()) return;
    const geometry::Matrix map = m ? ToMatrix(*m) : geometry::Matrix{};
    geometry::Box path;
    if (flags & kControlBounds) {
        for (const AIPathSegment& s : a.segments) {
            for (AIRealPoint p : {s.p, s.in, s.out})
                path.Add(map.Apply(ToPoint(p)));
        }
    } else {
        AddPathBounds(path, a.segments, a.closed, m);
    }
    if ((flags & kVisibleBounds) && !(flags & kNoStrokeBounds) && a.style->strokePaint &&
        a.style->stroke.color.kind != kNoneColor) {
        const AIReal half = a.style->stroke.width * map.MeanScale() / 2;
        path = {path.minX - half, path.minY - half, path.maxX + half, path.maxY + half};
    }
    b.Add(path);
}

AIErr GetArtTransformBounds(AIArtHandle art, const AIRealMatrix* transform, ASInt32 flags, AIRealRect* bounds) {
    AIRealRect& out = Out(bounds);
    const ArtId id = ArtIdOf(art);
    if (transform && !IsFinite(*transform)) Throw(kBadParameterErr);
    geometry::Box b;
    AddFlaggedBounds(Doc(), id, transform, flags, b);
    out = ToAIRect(b);
    return kNoErr;
}

AIErr IsArtLayerGroup(AIArtHandle art, AIBoolean* isLayerGroup) {
    AIBoolean& out = Out(isLayerGroup);
    out = Doc().IsLayerGroup(ArtIdOf(art)) ? 1 : 0;
    return kNoErr;
}

constexpr AIArtSuite kArtSuite = {
    TRIMORA_HOST_FN(AIArtSuite, NewArt, NewArt),
    TRIMORA_HOST_FN(AIArtSuite, DisposeArt, DisposeArt),
    TRIMORA_HOST_FN(AIArtSuite, ReorderArt, ReorderArt),
    TRIMORA_HOST_FN(AIArtSuite, DuplicateArt, DuplicateArt),
    TRIMORA_HOST_FN(AIArtSuite, GetFirstArtOfLayer, GetFirstArtOfLayer),
    TRIMORA_HOST_FN(AIArtSuite, GetLayerOfArt, GetLayerOfArt),
    TRIMORA_HOST_FN(AIArtSuite, GetArtType, GetArtType),
    TRIMORA_HOST_FN(AIArtSuite, GetArtUserAttr, GetArtUserAttr),
    TRIMORA_HOST_FN(AIArtSuite, SetArtUserAttr, SetArtUserAttr),
    TRIMORA_HOST_FN(AIArtSuite, GetArtParent, Neighbour<&Art::parent>),
    TRIMORA_HOST_FN(AIArtSuite, GetArtFirstChild, Neighbour<&Art::firstChild>),
    TRIMORA_HOST_FN(AIArtSuite, GetArtSibling, Neighbour<&Art::next>),
    TRIMORA_HOST_FN(AIArtSuite, GetArtPriorSibling, Neighbour<&Art::prev>),
    TRIMORA_HOST_FN(AIArtSuite, GetArtBounds, GetArtBounds),
    TRIMORA_HOST_FN(AIArtSuite, GetArtTransformBounds, GetArtTransformBounds),
    TRIMORA_HOST_FN(AIArtSuite, IsArtLayerGroup, IsArtLayerGroup),
};

Art& GroupOf(AIArtHandle group) {
    Art& a = ArtOf(group);
    if (a.type != kGroupArt) Throw(kWrongKindErr);
    return a;
}

AIErr GetGroupClipped(AIArtHandle group, AIBoolean* clipped) {
    AIBoolean& out = Out(clipped);
    out = GroupOf(group).clipped ? 1 : 0;
    return kNoErr;
}

AIErr SetGroupClipped(AIArtHandle group, AIBoolean clipped) {
    GroupOf(group).clipped = clipped != 0;
    return kNoErr;
}

constexpr AIGroupSuite kGroupSuite = {
    TRIMORA_HOST_FN(AIGroupSuite, GetGroupClipped, GetGroupClipped),
    TRIMORA_HOST_FN(AIGroupSuite, SetGroupClipped, SetGroupClipped),
};

}  // namespace

void RegisterArtSuites(SuiteRegistry& registry) {
    registry.Add(kAIArtSuite, kAIArtSuiteVersion, &kArtSuite);
    registry.Add(kAIGroupSuite, kAIGroupSuiteVersion, &kGroupSuite);
    RegisterLayerSuite(registry);
    RegisterPathSuites(registry);
    RegisterArtStyleSuites(registry);
    RegisterArtSetSuite(registry);
}

}  // namespace headless
