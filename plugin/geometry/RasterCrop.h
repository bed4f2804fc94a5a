// The whole pixels a crop rectangle of a raster's own space covers.
#pragma once

#include <cstdint>

#include "plugin/sdk/AIRasterTypes.h"

struct PixelBox {
    std::int32_t top = 0, left = 0, bottom = 0, right = 0;  // rows and columns, bottom and right exclusive
    bool Empty() const { return bottom <= top || right <= left; }
};

// Clamps crop (x = column, y = -row) to the raster's pixels and widens it to whole pixels.
PixelBox CoveredPixels(const AIRealRect& crop, const AIRect& rasterBounds);

// Whole bytes a pixel and nothing the pixels are not: the only rasters a tile can copy.
bool IsCroppable(const AIRasterRecord& info);
