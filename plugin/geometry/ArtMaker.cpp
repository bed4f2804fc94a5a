// Outlines, clip groups and the clipping of rasters to a shape.
#include "plugin/geometry/ArtMaker.h"

#include <algorithm>
#include <cstdint>

#include "plugin/geometry/ArtTree.h"
#include "plugin/geometry/RasterCrop.h"
#include "plugin/host/Suites.h"

namespace {

constexpr AIRealMatrix kIdentity{1, 0, 0, 1, 0, 0};

// A closed, gray-filled rectangle along bounds, directly in front of art; removed again if it cannot be finished.
AIErr NewRectanglePath(const AIRealRect& b, AIArtHandle art, AIArtHandle* path) {
    *path = nullptr;
    AIArtHandle made = nullptr;
    if (AIErr err = sAIArt->NewArt(kPathArt, kPlaceAbove, art, &made)) return err;
    const AIRealPoint corners[4] = {{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}};
    AIPathSegment segments[4]{};
    for (int i = 0; i < 4; ++i)
        segments[i] = {corners[i], corners[i], corners[i], 1};
    AIPathStyle style{};
    AIErr err = sAIPath->SetPathSegments(made, 0, 4, segments);
    if (!err) err = sAIPath->SetPathClosed(made, 1);
    if (!err) err = sAIPathStyle->GetPathStyle(made, &style);
    if (!err) {
        style.fillPaint = 1;
        style.fill.color.kind = kGrayColor;
        err = sAIPathStyle->SetPathStyle(made, &style);
    }
    if (err) {
        sAIArt->DisposeArt(made);
        return err;
    }
    *path = made;
    return kNoErr;
}

// What filling a clip group changed, so that a later failure can take it back.
struct ClipUndo {
    ArtPlace shapePlace;
    AIPathStyle shapeStyle{};
    bool shapeMoved = false;
    bool artMoved = false;
};

// The group was made directly behind art: art goes back in front of it, the shape to where it stood with its
// own style, and the group goes.
void UndoClipGroup(AIArtHandle group, AIArtHandle art, AIArtHandle shape, const ClipUndo& undo) {
    if (undo.artMoved) sAIArt->ReorderArt(art, kPlaceAbove, group);
    if (undo.shapeMoved) {
        ReturnToPlace(shape, undo.shapePlace);
        sAIPathStyle->SetPathStyle(shape, &undo.shapeStyle);
    }
    sAIArt->DisposeArt(group);
}

// Shape (unfilled, clipping) on top, art at the bottom, the group clipped.
AIErr FillClipGroup(AIArtHandle group, AIArtHandle art, AIArtHandle shape, ClipUndo* undo) {
    AIPathStyle clipStyle{};
    if (AIErr err = sAIPathStyle->GetCurrentPathStyle(&clipStyle)) return err;
    if (AIErr err = sAIPathStyle->GetPathStyle(shape, &undo->shapeStyle)) return err;
    if (AIErr err = FindPlace(shape, &undo->shapePlace)) return err;
    clipStyle.fillPaint = 0;
    clipStyle.clip = 1;
    if (AIErr err = sAIPathStyle->SetPathStyle(shape, &clipStyle)) return err;
    undo->shapeMoved = true;  // from here on its style needs restoring too
    if (AIErr err = sAIArt->ReorderArt(shape, kPlaceInsideOnTop, group)) return err;
    if (AIErr err = sAIArt->ReorderArt(art, kPlaceInsideOnBottom, group)) return err;
    undo->artMoved = true;
    return sAIGroup->SetGroupClipped(group, 1);
}

AIErr TransformSegments(AIArtHandle path, const AIRealMatrix& m) {
    constexpr ASInt16 kRectangleSegments = 4;
    ASInt16 count = 0;
    if (AIErr err = sAIPath->GetPathSegmentCount(path, &count)) return err;
    if (count != kRectangleSegments) return kBadParameterErr;
    AIPathSegment segments[kRectangleSegments]{};
    if (AIErr err = sAIPath->GetPathSegments(path, 0, count, segments)) return err;
    for (AIPathSegment& segment : segments) {
        for (AIRealPoint* point : {&segment.p, &segment.in, &segment.out}) {
            if (AIErr err = sAIRealMath->AIRealMatrixXformPoint(&m, point, point)) return err;
        }
    }
    return sAIPath->SetPathSegments(path, 0, count, segments);
}

// The shape's bounds in the raster's own space, clamped to its pixel box, measured on a temporary path.
AIErr CropInRasterSpace(AIArtHandle raster, AIArtHandle shape, const AIRealMatrix& inverse, AIRealRect* crop) {
    AIRealRect shapeBounds{};
    AIArtHandle cropPath = nullptr;
    if (AIErr err = sAIArt->GetArtBounds(shape, &shapeBounds)) return err;
    if (AIErr err = NewRectanglePath(shapeBounds, shape, &cropPath)) return err;
    AIRealRect box{};
    AIErr err = TransformSegments(cropPath, inverse);
    if (!err) err = sAIArt->GetArtTransformBounds(cropPath, &kIdentity, kControlBounds, crop);
    if (!err) err = sAIRaster->GetRasterBoundingBox(raster, &box);
    const AIErr disposed = sAIArt->DisposeArt(cropPath);
    if (err || disposed) return err ? err : disposed;
    crop->left = std::max(crop->left, box.left);
    crop->top = std::min(crop->top, box.bottom);
    crop->right = std::min(crop->right, box.right);
    crop->bottom = std::max(crop->bottom, -box.top);
    return kNoErr;
}

}  // namespace

AIErr ArtMaker::MakeOutline(AIArtHandle art, AIArtHandle* outline) {
    *outline = nullptr;
    AIRealRect bounds{};
    if (AIErr err = sAIArt->GetArtBounds(art, &bounds)) return err;
    return NewRectanglePath(bounds, art, outline);
}

AIErr ArtMaker::ClipPlacedArt(AIArtHandle art, AIArtHandle shape) {
    AIArtHandle group = nullptr;
    if (AIErr err = sAIArt->NewArt(kGroupArt, kPlaceBelow, art, &group)) return err;
    ClipUndo undo;
    const AIErr err = FillClipGroup(group, art, shape, &undo);
    if (err) UndoClipGroup(group, art, shape, undo);
    return err;
}

// The source raster is changed only by its matrix, which is put back on failure; everything made is removed.
AIErr ArtMaker::ClipRasterArt(AIArtHandle raster, AIArtHandle shape) {
    lastRaster_ = nullptr;
    AIRasterRecord info{};
    if (AIErr err = sAIRaster->GetRasterInfo(raster, &info)) return err;
    if (!IsCroppable(info)) return kUntrimmableRasterErr;
    AIRealMatrix placement{};
    if (AIErr err = sAIRaster->GetRasterMatrix(raster, &placement)) return err;
    AIRealMatrix inverse = placement;
    if (AIErr err = static_cast<AIErr>(sAIRealMath->AIRealMatrixInvert(&inverse))) return err;
    if (AIErr err = sAIRaster->SetRasterMatrix(raster, &kIdentity)) return err;

    AIRealRect crop{};
    AIErr err = CropInRasterSpace(raster, shape, inverse, &crop);
    if (!err) err = CropRaster(raster, crop);
    AIArtHandle group = nullptr;
    ClipUndo undo;
    if (!err && lastRaster_) {
        // The cropped pixels keep their place on the page: the crop's corner goes where the source put it.
        const PixelBox box = CoveredPixels(crop, info.bounds);
        const AIRealPoint corner{static_cast<AIReal>(box.left), -static_cast<AIReal>(box.top)};
        AIRealMatrix croppedPlacement = placement;
        AIRealPoint origin{};
        err = sAIRealMath->AIRealMatrixXformPoint(&placement, &corner, &origin);
        croppedPlacement.tx = origin.h;
        croppedPlacement.ty = origin.v;
        if (!err) err = sAIRaster->SetRasterMatrix(lastRaster_, &croppedPlacement);
        if (!err) err = sAIArt->NewArt(kGroupArt, kPlaceBelow, lastRaster_, &group);
        if (!err) err = FillClipGroup(group, lastRaster_, shape, &undo);
    }
    if (!err) err = sAIArt->DisposeArt(raster);
    if (err) {
        if (group) UndoClipGroup(group, lastRaster_, shape, undo);
        if (lastRaster_) sAIArt->DisposeArt(lastRaster_);
        lastRaster_ = nullptr;
        sAIRaster->SetRasterMatrix(raster, &placement);
        return err;
    }
    // With no pixel under the shape nothing of the raster is kept, and the shape has nothing to clip.
    return lastRaster_ ? kNoErr : sAIArt->DisposeArt(shape);
}
