// Clip groups and compound paths that cross the region. A clip group has its mask cut and its contents visited
// one by one; a compound path is cut whole and its pieces take the art style of its first member. Each handler
// removes its temporaries and restores what it changed before it answers a failure.
#include "plugin/engine/CZvKiruru.h"
#include "plugin/geometry/ArtTree.h"
#include "plugin/geometry/PathCopy.h"
#include "plugin/host/Suites.h"
#include "plugin/sdk/AIArtStyle.h"

namespace {

// A path whose style clips, or a compound path whose first member's does. A query the host refuses ends the
// search: taken for "not the mask", it would leave the group uncut and the run reported as a success.
AIErr IsClippingPath(AIArtHandle art, bool& clipping) {
    AIPathStyle style{};
    bool shape = false;
    if (AIErr err = ShapeStyle(art, &style, &shape)) return err;
    clipping = shape && style.clip != 0;
    return kNoErr;
}

// Calls apply on every path of art's subtree, and with followSiblings of the siblings behind it and theirs.
template <typename Apply>
AIErr ForEachPathDeep(AIArtHandle art, bool followSiblings, const Apply& apply) {
    for (; art;) {
        AIArtHandle child = nullptr, next = nullptr;
        if (AIErr err = sAIArt->GetArtFirstChild(art, &child)) return err;
        if (AIErr err = sAIArt->GetArtSibling(art, &next)) return err;
        ASInt16 type = kUnknownArt;
        if (AIErr err = sAIArt->GetArtType(art, &type)) return err;
        if (type == kPathArt) {
            if (AIErr err = apply(art)) return err;
        }
        if (AIErr err = ForEachPathDeep(child, true, apply)) return err;
        if (!followSiblings) return kNoErr;
        art = next;
    }
    return kNoErr;
}

// The mask's copy becomes a plain filled shape, so that the area cut keeps what the mask lets through.
AIErr UnclipAndFill(AIArtHandle copy, bool compound) {
    AIPathStyle style{};
    if (AIErr err = sAIPathStyle->GetPathStyle(copy, &style)) return err;
    style.fillPaint = 1;
    style.clip = 0;
    if (compound) {
        style.fill.color.kind = kFourColor;
        style.fill.color.c.f = {0, 0, 0, 1};
    }
    return sAIPathStyle->SetPathStyle(copy, &style);
}

}  // namespace

// Only the group's own children: a nested clip group's mask or a compound path's member is not this group's.
AIErr CZvKiruru::FindClipMask(AIArtHandle group, AIArtHandle& mask) {
    mask = nullptr;
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(group, &child)) return err;
    while (child) {
        bool clipping = false;
        if (AIErr err = IsClippingPath(child, clipping)) return err;
        if (clipping) {
            mask = child;
            return kNoErr;
        }
        if (AIErr err = sAIArt->GetArtSibling(child, &child)) return err;
    }
    return kNoErr;
}

AIErr CZvKiruru::SetClipFlagDeep(AIArtHandle art, AIBoolean clip, bool followSiblings) {
    return ForEachPathDeep(art, followSiblings, [clip](AIArtHandle path) {
        AIPathStyle style{};
        if (AIErr err = sAIPathStyle->GetPathStyle(path, &style)) return err;
        style.clip = clip;
        return sAIPathStyle->SetPathStyle(path, &style);
    });
}

// The new mask: the mask's copy cut to the kept side and given the mask's style, on top of the group; null when
// nothing of the mask is kept. The mask itself stays where it is.
AIErr CZvKiruru::CutMask(AIArtHandle group, AIArtHandle mask, AIArtHandle& newMask) {
    newMask = nullptr;
    ASInt16 type = kUnknownArt;
    if (AIErr err = sAIArt->GetArtType(mask, &type)) return err;
    AIPathStyle saved{};
    if (AIErr err = sAIPathStyle->GetPathStyle(mask, &saved)) return err;
    AIArtHandle copy = nullptr;
    if (AIErr err = sAIArt->DuplicateArt(mask, kPlaceBelow, mask, &copy)) return err;
    const bool compound = type == kCompoundPathArt;
    ArtHandleList results;
    AIErr err = compound ? SetClipFlagDeep(copy, 0, false) : kNoErr;
    if (!err) err = UnclipAndFill(copy, compound);
    if (!err) {
        const auto cut = compound ? (KeepsInside() ? &PathCutter::CutCompoundInside : &PathCutter::CutCompoundOutside)
                                  : (KeepsInside() ? &PathCutter::CutAreaInside : &PathCutter::CutAreaOutside);
        err = (cutter_.*cut)(copy, clipRegion_, kPlaceAbove, copy, results);
    }
    const AIErr disposed = sAIArt->DisposeArt(copy);
    if (!err) err = disposed;
    for (std::size_t i = 0; i < results.Length() && !err; ++i)
        err = sAIPathStyle->SetPathStyle(results.At(i), &saved);
    if (!err && results.Length() == 1) {
        err = sAIArt->ReorderArt(results.At(0), kPlaceInsideOnTop, group);
        if (!err) newMask = results.At(0);
    } else if (!err && results.Length() > 1) {
        err = results.MakeCompoundPath(kPlaceInsideOnTop, group, &newMask);
    }
    if (err) results.DisposeAllAndClear();
    return err;
}

// Nothing the group shows is kept. A clipping layer keeps its layer: its own children go, one at a time, so that
// nothing is disposed after the container that held it.
AIErr CZvKiruru::EmptyClipGroup(AIArtHandle group) {
    AIBoolean layerGroup = 0;
    if (AIErr err = sAIArt->IsArtLayerGroup(group, &layerGroup)) return err;
    if (!layerGroup) return sAIArt->DisposeArt(group);
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(group, &child)) return err;
    while (child) {
        AIArtHandle next = nullptr;
        if (AIErr err = sAIArt->GetArtSibling(child, &next)) return err;
        if (AIErr err = sAIArt->DisposeArt(child)) return err;
        child = next;
    }
    return kNoErr;
}

AIErr CZvKiruru::KirinukiClipGroup(AIArtHandle group) {
    AIArtHandle mask = nullptr;
    if (AIErr err = FindClipMask(group, mask)) return err;
    if (!mask) return kNoErr;
    ArtPlace place;
    if (AIErr err = FindPlace(mask, &place)) return err;
    if (AIErr err = sAIArt->ReorderArt(mask, kPlaceInsideOnTop, group)) return err;
    AIArtHandle newMask = nullptr;
    AIErr err = CutMask(group, mask, newMask);
    if (!err && !newMask) return EmptyClipGroup(group);
    if (!err) {
        err = sAIArt->DisposeArt(mask);
        if (err) sAIArt->DisposeArt(newMask);
    }
    if (err) {
        ReturnToPlace(mask, place);
        return err;
    }
    AIArtHandle first = nullptr;
    if (AIErr siblingErr = sAIArt->GetArtSibling(newMask, &first)) return siblingErr;
    return VisitEach(first);
}

AIErr CZvKiruru::FindFirstArtStyle(AIArtHandle art, AIArtStyleHandle& style) {
    style = nullptr;
    if (AIErr err = sAIArtStyle->GetArtStyle(art, &style)) return err;
    if (style) return kNoErr;
    for (AIArtHandle next = art;;) {
        AIArtHandle child = nullptr;
        if (AIErr err = sAIArt->GetArtFirstChild(next, &child)) return err;
        if (child) {
            if (AIErr err = FindFirstArtStyle(child, style)) return err;
            if (style) return kNoErr;
        }
        if (AIErr err = sAIArt->GetArtSibling(next, &next)) return err;
        if (!next) return kNoErr;
        if (AIErr err = sAIArtStyle->GetArtStyle(next, &style)) return err;
        if (style) return kNoErr;
    }
}

AIErr CZvKiruru::ApplyArtStyleDeep(AIArtHandle art, AIArtStyleHandle style, bool followSiblings) {
    return ForEachPathDeep(art, followSiblings,
                           [style](AIArtHandle path) { return sAIArtStyle->SetArtStyle(path, style); });
}

// Members that are stroked and not filled are lines, as a plain path with their style would be: cut as an area
// they would gain strokes along the region's edge.
AIErr CZvKiruru::KirinukiCompoundPath(AIArtHandle compound) {
    AIArtHandle first = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(compound, &first)) return err;
    if (!first) return kNoErr;
    AIArtStyleHandle style = nullptr;
    if (AIErr err = FindFirstArtStyle(first, style)) return err;
    bool lines = false;
    if (style) {
        ASUInt32 paints = 0;
        if (AIErr err = sAIArtStyle->GetPaintAttributes(style, kArtStyleHasFill | kArtStyleHasStroke, &paints)) {
            return err;
        }
        lines = (paints & kArtStyleHasFill) == 0 && (paints & kArtStyleHasStroke) != 0;
    }

    AIPathStyle saved{};
    if (AIErr err = sAIPathStyle->GetPathStyle(compound, &saved)) return err;
    ArtHandleList pieces;
    AIErr err = kNoErr;
    if (lines) {
        err = (cutter_.*(KeepsInside() ? &PathCutter::CutLineInside : &PathCutter::CutLineOutside))(
            compound, clipRegion_, kPlaceAbove, compound, pieces);
    } else {
        // The area cut keeps filled pieces: the compound is filled for it, and put back should anything fail.
        AIPathStyle filled = saved;
        filled.fillPaint = 1;
        err = sAIPathStyle->SetPathStyle(compound, &filled);
        if (!err) {
            err = (cutter_.*(KeepsInside() ? &PathCutter::CutCompoundInside : &PathCutter::CutCompoundOutside))(
                compound, clipRegion_, kPlaceAbove, compound, pieces);
        }
    }
    for (std::size_t i = 0; i < pieces.Length() && !err && style; ++i)
        err = ApplyArtStyleDeep(pieces.At(i), style, false);
    if (!err && lines) err = pieces.JoinIntoCompound(compound);
    if (!err) err = sAIArt->DisposeArt(compound);
    if (err) {
        pieces.DisposeAllAndClear();
        if (!lines) sAIPathStyle->SetPathStyle(compound, &saved);
    }
    return err;
}
