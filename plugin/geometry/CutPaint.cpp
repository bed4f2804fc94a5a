// Cut paint and the region complement.
#include "plugin/geometry/CutPaint.h"

#include "plugin/host/Suites.h"

void ApplyCutPaint(CutPaint paint, AIPathStyle& style) {
    AIColor black{};
    black.kind = kFourColor;
    black.c.f.black = 1.0;
    if (paint == CutPaint::kArea) {
        style.fillPaint = 1;
        style.fill.color = black;
    } else {
        style.fillPaint = 0;
        style.strokePaint = 1;
        style.stroke.color = black;
    }
}

AIErr PaintAs(CutPaint paint, AIArtHandle path) {
    AIPathStyle style{};
    if (AIErr err = sAIPathStyle->GetPathStyle(path, &style)) return err;
    ApplyCutPaint(paint, style);
    return sAIPathStyle->SetPathStyle(path, &style);
}

namespace {

// The rectangle is made against the region's winding, or the filled compound would cover the region too.
AIErr WindAgainst(AIArtHandle rectangle, AIArtHandle region) {
    AIReal regionArea = 0;
    AIReal rectangleArea = 0;
    if (AIErr err = sAIPath->GetPathArea(region, &regionArea)) return err;
    if (AIErr err = sAIPath->GetPathArea(rectangle, &rectangleArea)) return err;
    return regionArea * rectangleArea > 0 ? sAIPath->ReversePathSegments(rectangle) : kNoErr;
}

AIErr SurroundingRect(AIArtHandle artCopy, AIArtHandle regionCopy, AIRealRect* around) {
    AIRealRect artBounds{};
    AIRealRect regionBounds{};
    if (AIErr err = sAIArt->GetArtBounds(artCopy, &artBounds)) return err;
    if (AIErr err = sAIArt->GetArtBounds(regionCopy, &regionBounds)) return err;
    if (AIErr err = sAIRealMath->AIRealRectUnion(&artBounds, &regionBounds, around)) return err;
    constexpr AIReal kMargin = 1.0;
    return sAIRealMath->AIRealRectInset(around, -kMargin, -kMargin);
}

}  // namespace

AIErr MakeRegionComplement(AIArtHandle artCopy, AIArtHandle regionCopy) {
    AIRealRect around{};
    if (AIErr err = SurroundingRect(artCopy, regionCopy, &around)) return err;
    AIArtHandle rectangle = nullptr;
    if (AIErr err = sAIShapeConstruction->NewRect(around.top, around.left, around.bottom, around.right, 0, &rectangle))
        return err;
    AIArtHandle compound = nullptr;
    if (AIErr err = sAIArt->NewArt(kCompoundPathArt, kPlaceAbove, rectangle, &compound)) return err;
    if (AIErr err = sAIArt->ReorderArt(regionCopy, kPlaceInsideOnTop, compound)) return err;
    if (AIErr err = sAIArt->ReorderArt(rectangle, kPlaceInsideOnTop, compound)) return err;
    if (AIErr err = WindAgainst(rectangle, regionCopy)) return err;

    AIPathStyle style{};
    if (AIErr err = sAIPathStyle->GetPathStyle(rectangle, &style)) return err;
    ApplyCutPaint(CutPaint::kArea, style);
    if (AIErr err = sAIPathStyle->SetPathStyle(regionCopy, &style)) return err;
    return sAIPathStyle->SetPathStyle(rectangle, &style);
}
