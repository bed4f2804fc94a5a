// The pixel layout of a raster and the checked copy between a slice of its pixels and a caller's tile.
// Slices count rows top to bottom and columns left to right from 0, and channels as bytes of a pixel.
#pragma once

#include <cstddef>
#include <optional>

#include "headless/document/Art.h"

namespace headless {

struct RasterShape {
    std::int64_t rows = 0;
    std::int64_t columns = 0;
    std::int64_t bytesPerPixel = 0;  // 0 for rasters of fewer than 8 bits per pixel
    std::int64_t byteWidth = 0;
};

// The shape a record describes, or null when it cannot hold pixels: inverted bounds, a bit depth that is neither
// 1 nor whole bytes, or rows shorter than their pixels.
std::optional<RasterShape> ShapeOf(const AIRasterRecord& info);

enum class TileDirection { kRasterToTile, kTileToRaster };

// Copies artSlice of the raster to or from workSlice of the tile. Refuses, before touching a byte: a slice
// outside the raster, slices of different sizes, a work slice outside the tile's bounds, a tile whose rows,
// columns or planes overlap, and a tile whose buffer is a host block smaller than the bytes addressed.
// `tileCapacity` is that block's size when the host knows it.
void CopyTile(RasterData& raster, const AISlice& artSlice, const AITile& tile, const AISlice& workSlice,
              TileDirection direction, std::optional<std::size_t> tileCapacity);

}  // namespace headless
