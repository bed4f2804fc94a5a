// The pixel box of a crop, and the crop itself: one tile of exactly the kept pixels.
#include "plugin/geometry/RasterCrop.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>

#include "plugin/geometry/ArtMaker.h"
#include "plugin/host/Suites.h"

namespace {

// Edges that come out of a transform a hair off a pixel boundary stay on it rather than taking in one more
// column or row.
constexpr double kPixelSnap = 1e-6;

std::int32_t ClampedEdge(double value, std::int64_t limit) {
    return static_cast<std::int32_t>(std::clamp(value, 0.0, static_cast<double>(limit)));
}

struct BlockRelease {
    void operator()(void* block) const { sSPBlocks->FreeBlock(block); }
};

// Bytes of rows x columns x bytesPerPixel, or nothing when the tile could not address them.
bool TileBytes(const PixelBox& box, std::int64_t bytesPerPixel, std::size_t* bytes, ASInt32* rowBytes) {
    const std::int64_t row = std::int64_t{box.right - box.left} * bytesPerPixel;
    const std::int64_t rows = std::int64_t{box.bottom} - box.top;
    if (row > std::numeric_limits<ASInt32>::max() || rows > std::numeric_limits<std::int64_t>::max() / row)
        return false;
    *rowBytes = static_cast<ASInt32>(row);
    *bytes = static_cast<std::size_t>(rows * row);
    return true;
}

}  // namespace

bool IsCroppable(const AIRasterRecord& info) {
    return info.bitsPerPixel >= 8 && info.bitsPerPixel % 8 == 0;
}

PixelBox CoveredPixels(const AIRealRect& crop, const AIRect& rasterBounds) {
    const std::int64_t columns = std::int64_t{rasterBounds.right} - rasterBounds.left;
    const std::int64_t rows = std::int64_t{rasterBounds.bottom} - rasterBounds.top;
    for (const AIReal v : {crop.left, crop.top, crop.right, crop.bottom})
        if (!std::isfinite(v)) return {};
    PixelBox box;
    box.left = ClampedEdge(std::floor(crop.left + kPixelSnap), columns);
    box.right = ClampedEdge(std::ceil(crop.right - kPixelSnap), columns);
    box.top = ClampedEdge(std::floor(-crop.top + kPixelSnap), rows);
    box.bottom = ClampedEdge(std::ceil(-crop.bottom - kPixelSnap), rows);
    return box;
}

AIErr ArtMaker::CropRaster(AIArtHandle raster, const AIRealRect& crop) {
    lastRaster_ = nullptr;
    AIRasterRecord info{};
    if (AIErr err = sAIRaster->GetRasterInfo(raster, &info)) return err;
    if (!IsCroppable(info)) return kUntrimmableRasterErr;
    const std::int64_t bytesPerPixel = info.bitsPerPixel / 8;
    const PixelBox box = CoveredPixels(crop, info.bounds);
    if (box.Empty()) return kNoErr;
    std::size_t bytes = 0;
    ASInt32 rowBytes = 0;
    if (!TileBytes(box, bytesPerPixel, &bytes, &rowBytes)) return kOutOfMemoryErr;

    void* block = nullptr;
    if (AIErr err = sSPBlocks->AllocateBlock(bytes, nullptr, &block)) return err;
    const std::unique_ptr<void, BlockRelease> held(block);

    const ASInt32 width = box.right - box.left;
    const ASInt32 height = box.bottom - box.top;
    const ASInt32 channels = static_cast<ASInt32>(bytesPerPixel);
    AISlice source{box.top, box.left, box.bottom, box.right, 0, channels};
    AITile tile{};
    tile.data = block;
    tile.bounds = source;
    tile.rowBytes = rowBytes;
    tile.colBytes = channels;
    for (ASInt16 i = 0; i < 32; ++i)
        tile.channelInterleave[i] = i;
    const AISlice work = source;
    const AISlice destination{0, 0, height, width, 0, channels};

    AIRasterRecord cropped = info;
    cropped.bounds = {0, 0, width, height};
    cropped.byteWidth = rowBytes;
    cropped.originalColorSpace = -1;

    AIArtHandle made = nullptr;
    if (AIErr err = sAIArt->NewArt(kRasterArt, kPlaceAbove, raster, &made)) return err;
    AIErr err = sAIRaster->SetRasterInfo(made, &cropped);
    if (!err) err = sAIRaster->GetRasterTile(raster, &source, &tile, &work);
    if (!err) err = sAIRaster->SetRasterTile(made, &destination, &tile, &work);
    if (err) {
        sAIArt->DisposeArt(made);
        return err;
    }
    lastRaster_ = made;
    return kNoErr;
}
