// The six region cuts: one pattern of copying, painting, cutting and gathering in the work layer, with a recipe
// per cut.
#include <cstddef>

#include "plugin/geometry/ArtCollection.h"
#include "plugin/geometry/ArtTree.h"
#include "plugin/geometry/CutPaint.h"
#include "plugin/geometry/PathCopy.h"
#include "plugin/geometry/PathCutter.h"
#include "plugin/host/Suites.h"

namespace {

enum class Preparation { kNone, kComplement, kComplementLineOnArt, kAreaOnRegionLineOnArt };
enum class Gathering { kResultGroup, kLayer };
enum class PaintTest { kFilled, kUnfilled, kUnstroked };

// Pathfinder codes, by the selection positions they take (see PathfinderCall.h).
constexpr ASInt32 kCropSecondUnderFirst = 9;
constexpr ASInt32 kCropThirdUnderFirst = 10;
constexpr ASInt32 kOutlineThirdUnderFirst = 6;
constexpr ASInt32 kOutlineSecondUnderFirst = 7;

}  // namespace

struct CutRecipe {
    bool workLayerCurrent = false;  // the complement's rectangle is made in the current layer
    bool artOnTop = false;          // the copy of art goes in front of the copy of the region
    Preparation preparation = Preparation::kNone;
    ASInt32 pathfinderCode = 0;
    Gathering gathering = Gathering::kResultGroup;
    std::size_t minimumCount = 0;  // layer gathering: entries the work layer must list before any is taken
    PaintTest keep = PaintTest::kFilled;
    bool deselectCopies = false;
    bool takeBareResult = false;  // result-group gathering: a result that is itself a path is a piece
};

namespace {

constexpr CutRecipe kCompoundInside{.pathfinderCode = kCropSecondUnderFirst,
                                    .gathering = Gathering::kResultGroup,
                                    .keep = PaintTest::kFilled,
                                    .takeBareResult = true};
constexpr CutRecipe kCompoundOutside{.workLayerCurrent = true,
                                     .preparation = Preparation::kComplement,
                                     .pathfinderCode = kCropThirdUnderFirst,
                                     .gathering = Gathering::kResultGroup,
                                     .keep = PaintTest::kFilled};
constexpr CutRecipe kAreaInside{.pathfinderCode = kCropSecondUnderFirst,
                                .gathering = Gathering::kLayer,
                                .minimumCount = 2,
                                .keep = PaintTest::kFilled,
                                .deselectCopies = true};
constexpr CutRecipe kAreaOutside{.artOnTop = true,
                                 .pathfinderCode = kCropSecondUnderFirst,
                                 .gathering = Gathering::kLayer,
                                 .minimumCount = 1,
                                 .keep = PaintTest::kUnfilled,
                                 .deselectCopies = true};
constexpr CutRecipe kLineInside{.workLayerCurrent = true,
                                .preparation = Preparation::kComplementLineOnArt,
                                .pathfinderCode = kOutlineThirdUnderFirst,
                                .gathering = Gathering::kLayer,
                                .minimumCount = 1,
                                .keep = PaintTest::kUnstroked};
constexpr CutRecipe kLineOutside{.workLayerCurrent = true,
                                 .preparation = Preparation::kAreaOnRegionLineOnArt,
                                 .pathfinderCode = kOutlineSecondUnderFirst,
                                 .gathering = Gathering::kLayer,
                                 .minimumCount = 1,
                                 .keep = PaintTest::kUnstroked};

bool Passes(PaintTest test, const AIPathStyle& style) {
    switch (test) {
        case PaintTest::kFilled:
            return style.fillPaint != 0;
        case PaintTest::kUnfilled:
            return style.fillPaint == 0;
        case PaintTest::kUnstroked:
            return style.strokePaint == 0;
    }
    return false;
}

struct Placement {
    AIPaintOrder order;
    AIArtHandle reference;
};

AIErr KeepCopy(AIArtHandle piece, Placement place, bool deselect, ArtHandleList& out) {
    AIArtHandle copy = nullptr;
    if (AIErr err = sAIArt->DuplicateArt(piece, place.order, place.reference, &copy)) return err;
    out.Append(copy);  // appended first, so that a failed deselect still removes it with the rest
    return deselect ? sAIArt->SetArtUserAttr(copy, kArtSelected, 0) : kNoErr;
}

AIErr KeepIfPassing(const CutRecipe& recipe, AIArtHandle candidate, Placement place, ArtHandleList& out) {
    AIPathStyle style{};
    bool isPiece = false;
    if (AIErr err = ShapeStyle(candidate, &style, &isPiece)) return err;
    if (!isPiece || !Passes(recipe.keep, style)) return kNoErr;
    return KeepCopy(candidate, place, recipe.deselectCopies, out);
}

// The host's result is the first object of the work group: a group of pieces, or a bare path.
AIErr GatherResultGroup(const CutRecipe& recipe, AIArtHandle workGroup, Placement place, ArtHandleList& out) {
    AIArtHandle result = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(workGroup, &result)) return err;
    if (!result) return kNoErr;
    AIArtHandle child = nullptr;
    if (AIErr err = sAIArt->GetArtFirstChild(result, &child)) return err;
    if (!child) {
        if (!recipe.takeBareResult) return kNoErr;
        ASInt16 type = 0;
        if (AIErr err = sAIArt->GetArtType(result, &type)) return err;
        return type == kPathArt ? KeepIfPassing(recipe, result, place, out) : kNoErr;
    }
    while (child) {
        if (AIErr err = KeepIfPassing(recipe, child, place, out)) return err;
        if (AIErr err = sAIArt->GetArtSibling(child, &child)) return err;
    }
    return kNoErr;
}

// Every path of the work layer at any depth, members of compound paths and groups one by one.
AIErr GatherLayer(const CutRecipe& recipe, AILayerHandle workLayer, Placement place, ArtHandleList& out) {
    ArtCollection listed;
    if (AIErr err = listed.FillFromLayer(workLayer)) return err;
    if (listed.Count() < recipe.minimumCount) return kNoErr;
    for (ASInt32 i = 0; static_cast<ASUInt64>(i) < listed.Count(); ++i) {
        AIArtHandle entry = listed.At(i);
        ASInt16 type = 0;
        if (AIErr err = sAIArt->GetArtType(entry, &type)) return err;
        if (type != kPathArt) continue;
        AIPathStyle style{};
        if (AIErr err = sAIPathStyle->GetPathStyle(entry, &style)) return err;
        if (!Passes(recipe.keep, style)) continue;
        if (AIErr err = KeepCopy(entry, place, recipe.deselectCopies, out)) return err;
    }
    return kNoErr;
}

}  // namespace

AIErr PathCutter::ArrangeAndRun(const CutRecipe& recipe, AIArtHandle art, AIArtHandle region) {
    if (recipe.workLayerCurrent) {
        if (AIErr err = sAILayer->SetCurrentLayer(workLayer_)) return err;
    }
    AIArtHandle regionCopy = nullptr;
    if (AIErr err = sAIArt->DuplicateArt(region, kPlaceInsideOnTop, workGroup_, &regionCopy)) return err;
    AIArtHandle artCopy = nullptr;
    const AIPaintOrder artPlace = recipe.artOnTop ? kPlaceAbove : kPlaceBelow;
    if (AIErr err = sAIArt->DuplicateArt(art, artPlace, regionCopy, &artCopy)) return err;

    switch (recipe.preparation) {
        case Preparation::kNone:
            break;
        case Preparation::kComplement:
            if (AIErr err = MakeRegionComplement(artCopy, regionCopy)) return err;
            break;
        case Preparation::kComplementLineOnArt:
            if (AIErr err = MakeRegionComplement(artCopy, regionCopy)) return err;
            if (AIErr err = PaintAs(CutPaint::kLine, artCopy)) return err;
            break;
        case Preparation::kAreaOnRegionLineOnArt:
            if (AIErr err = PaintAs(CutPaint::kArea, regionCopy)) return err;
            if (AIErr err = PaintAs(CutPaint::kLine, artCopy)) return err;
            break;
    }

    constexpr ASInt32 kSelectShowUnlock = kArtSelected | kArtLocked | kArtHidden;
    if (AIErr err = SetArtTreeAttr(workGroup_, kSelectShowUnlock, kArtSelected, false)) return err;
    if (AIErr err = RunPathfinder(recipe.pathfinderCode)) return err;
    return SetArtTreeAttr(workGroup_, kArtSelected, 0, false);
}

AIErr PathCutter::Cut(const CutRecipe& recipe, AIArtHandle art, AIArtHandle region, AIPaintOrder order,
                      AIArtHandle reference, ArtHandleList& out) {
    out.Clear();
    AIErr err = ArrangeAndRun(recipe, art, region);
    const Placement place{order, reference};
    if (!err) {
        err = recipe.gathering == Gathering::kResultGroup ? GatherResultGroup(recipe, workGroup_, place, out)
                                                          : GatherLayer(recipe, workLayer_, place, out);
    }
    // A work layer left holding objects would shift the selection positions of the next cut.
    const AIErr cleared = ClearLayerArt(workLayer_);
    if (!err) err = cleared;
    // The caller replaces art by what comes back, so a partial list must not look like the whole.
    if (err) out.DisposeAllAndClear();
    return err;
}

AIErr PathCutter::CutCompoundInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                    ArtHandleList& out) {
    return Cut(kCompoundInside, art, region, order, reference, out);
}

AIErr PathCutter::CutCompoundOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                     ArtHandleList& out) {
    return Cut(kCompoundOutside, art, region, order, reference, out);
}

AIErr PathCutter::CutAreaInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                ArtHandleList& out) {
    return Cut(kAreaInside, art, region, order, reference, out);
}

AIErr PathCutter::CutAreaOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                 ArtHandleList& out) {
    return Cut(kAreaOutside, art, region, order, reference, out);
}

AIErr PathCutter::CutLineInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                ArtHandleList& out) {
    return Cut(kLineInside, art, region, order, reference, out);
}

AIErr PathCutter::CutLineOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                                 ArtHandleList& out) {
    return Cut(kLineOutside, art, region, order, reference, out);
}
