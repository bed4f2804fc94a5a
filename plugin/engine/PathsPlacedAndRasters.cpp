// Paths, placed art and rasters that cross the region. A path is replaced by copies of itself wearing the pieces'
// geometry; placed art and rasters, which cannot be cut, are put under the part of their outline inside the region.
// Every handler takes back what it made before it answers a failure, and the art it replaces stays until the
// replacement is complete.
#include "plugin/engine/CZvKiruru.h"
#include "plugin/geometry/PathCopy.h"
#include "plugin/geometry/RasterCrop.h"
#include "plugin/host/Suites.h"
#include "plugin/sdk/AIArtStyle.h"

namespace {

// The cuts tell their pieces apart by paint: fill alone for an area, stroke alone for a line.
AIErr PaintForCut(AIArtHandle copy, bool area) {
    AIPathStyle style{};
    if (AIErr err = sAIPathStyle->GetPathStyle(copy, &style)) return err;
    style.fillPaint = area ? 1 : 0;
    style.strokePaint = area ? 0 : 1;
    return sAIPathStyle->SetPathStyle(copy, &style);
}

// Everything of the gradient's placement, the gradient itself aside.
void PutGradientPlacement(AIGradientStyle& to, const AIGradientStyle& from) {
    const AIGradientHandle gradient = to.gradient;
    to = from;
    to.gradient = gradient;
}

bool Same(AIRealPoint a, AIRealPoint b) {
    return a.h == b.h && a.v == b.v;
}

// A copy of art taking piece's geometry and closed flag, in front of art.
AIErr DressPiece(AIArtHandle art, AIArtHandle piece, const AIPathStyle* gradientFill, ArtHandleList& out) {
    AIArtHandle copy = nullptr;
    if (AIErr err = sAIArt->DuplicateArt(art, kPlaceAbove, art, &copy)) return err;
    out.Append(copy);
    if (AIErr err = CopyPathSegments(piece, copy)) return err;
    AIBoolean closed = 0;
    if (AIErr err = sAIPath->GetPathClosed(piece, &closed)) return err;
    if (AIErr err = sAIPath->SetPathClosed(copy, closed)) return err;
    if (!gradientFill) return kNoErr;
    // The host fits a gradient to a path's new bounds; the page is where the user put it.
    AIPathStyle style{};
    if (AIErr err = sAIPathStyle->GetPathStyle(copy, &style)) return err;
    PutGradientPlacement(style.fill.color.c.grad, gradientFill->fill.color.c.grad);
    return sAIPathStyle->SetPathStyle(copy, &style);
}

}  // namespace

bool CZvKiruru::IsStraightLine(AIArtHandle path) {
    ASInt16 count = 0;
    if (sAIPath->GetPathSegmentCount(path, &count) || count != 2) return false;
    AIPathSegment segments[2]{};
    if (sAIPath->GetPathSegments(path, 0, 2, segments)) return false;
    for (const AIPathSegment& s : segments)
        if (!Same(s.in, s.p) || !Same(s.out, s.p)) return false;
    return true;
}

AIErr CZvKiruru::CountsAsFilled(AIArtHandle path, bool& filled) {
    filled = false;
    AIArtStyleHandle style = nullptr;
    if (AIErr err = sAIArtStyle->GetArtStyle(path, &style)) return err;
    ASUInt32 paints = 0;
    if (AIErr err = sAIArtStyle->GetPaintAttributes(style, kArtStyleHasFill, &paints)) return err;
    filled = (paints & kArtStyleHasFill) != 0 && !IsStraightLine(path);
    return kNoErr;
}

// The pieces of a fill-only or stroke-only copy of art; the copy goes in every case.
AIErr CZvKiruru::CutPaintedCopy(AIArtHandle art, bool area, bool keepInside, ArtHandleList& pieces) {
    pieces.Clear();
    AIArtHandle copy = nullptr;
    if (AIErr err = cutter_.NewPathFromPath(art, kPlaceAbove, art, &copy)) return err;
    AIErr err = PaintForCut(copy, area);
    if (!err) {
        const auto cut = area ? (keepInside ? &PathCutter::CutAreaInside : &PathCutter::CutAreaOutside)
                              : (keepInside ? &PathCutter::CutLineInside : &PathCutter::CutLineOutside);
        err = (cutter_.*cut)(copy, clipRegion_, kPlaceAbove, copy, pieces);
    }
    const AIErr disposed = sAIArt->DisposeArt(copy);
    if (!err) err = disposed;
    if (err) pieces.DisposeAllAndClear();
    return err;
}

AIErr CZvKiruru::KirinukiPathArt(AIArtHandle art, ArtHandleList& out) {
    out.Clear();
    bool filled = false;
    if (AIErr err = CountsAsFilled(art, filled)) return err;
    AIPathStyle original{};
    if (filled) {
        if (AIErr err = sAIPathStyle->GetPathStyle(art, &original)) return err;
    }
    const bool gradient = filled && original.fill.color.kind == kGradient;

    ArtHandleList pieces;
    if (AIErr err = CutPaintedCopy(art, filled, KeepsInside(), pieces)) return err;
    AIErr err = kNoErr;
    for (std::size_t i = 0; i < pieces.Length() && !err; ++i)
        err = DressPiece(art, pieces.At(i), gradient ? &original : nullptr, out);
    // The pieces have lent their geometry; one the host keeps would be left in the drawing unannounced.
    for (std::size_t i = 0; i < pieces.Length(); ++i) {
        const AIErr disposed = sAIArt->DisposeArt(pieces.At(i));
        if (!err) err = disposed;
    }
    pieces.Clear();
    if (!err && filled) err = out.JoinIntoCompound(art);
    if (!err) err = sAIArt->DisposeArt(art);
    if (err) out.DisposeAllAndClear();
    return err;
}

// The outline is a closed rectangle, so it is cut as an area whatever its paint: a line would trim nothing.
AIErr CZvKiruru::MakeTrimShape(AIArtHandle outline, AIArtHandle& shape) {
    shape = nullptr;
    ArtHandleList pieces;
    if (AIErr err = CutPaintedCopy(outline, true, true, pieces)) return err;
    if (pieces.Length() == 1) shape = pieces.At(0);
    if (pieces.Length() < 2) return kNoErr;
    if (AIErr err = pieces.MakeCompoundPath(kPlaceAbove, outline, &shape)) {
        pieces.DisposeAllAndClear();
        return err;
    }
    return kNoErr;
}

AIErr CZvKiruru::IsPlainRaster(AIArtHandle raster, bool& plain) {
    plain = false;
    AIRasterRecord info{};
    if (AIErr err = sAIRaster->GetRasterInfo(raster, &info)) return err;
    plain = info.flags == 0 && IsCroppable(info);
    return kNoErr;
}

AIErr CZvKiruru::TrimToRegion(AIArtHandle art, bool raster) {
    AIArtHandle outline = nullptr;
    if (AIErr err = artMaker_.MakeOutline(art, &outline)) return err;
    AIArtHandle shape = nullptr;
    AIErr err = MakeTrimShape(outline, shape);
    const AIErr disposed = sAIArt->DisposeArt(outline);
    if (!err) err = disposed;
    if (!err && !shape) {
        // Its bounds cross the region's box but nothing of it lies in the region: it is outside, like art the
        // bounds alone put there.
        return sAIArt->DisposeArt(art);
    }
    if (!err) err = raster ? artMaker_.ClipRasterArt(art, shape) : artMaker_.ClipPlacedArt(art, shape);
    if (err && shape) sAIArt->DisposeArt(shape);
    return err;
}

AIErr CZvKiruru::KirinukiPlaced(AIArtHandle placed) {
    return TrimToRegion(placed, false);
}

AIErr CZvKiruru::KirinukiRaster(AIArtHandle raster) {
    bool plain = false;
    if (AIErr err = IsPlainRaster(raster, plain)) return err;
    if (!plain) return kUntrimmableRasterErr;
    return TrimToRegion(raster, true);
}
