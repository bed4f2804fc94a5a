// The art that trims placed images and rasters: outlines along an object's bounds, clip groups, and rasters
// cropped to a clipping shape.
#pragma once

#include "plugin/sdk/AITypes.h"

// A raster whose pixels cannot be cropped: fewer than 8 bits a pixel, or not whole bytes.
constexpr AIErr kUntrimmableRasterErr = -10010;

// Owns no host object: the art it makes belongs to the document. On failure each operation removes what it made
// and puts back what it changed, so that the document is as it was.
class ArtMaker {
public:
    // A closed path with a gray fill along art's bounds, directly in front of art.
    AIErr MakeOutline(AIArtHandle art, AIArtHandle* outline);
    // Puts art into a new clipped group that takes its place, with shape (unfilled, clipping) on top of it.
    AIErr ClipPlacedArt(AIArtHandle art, AIArtHandle shape);
    // Replaces the raster by a copy cropped to the pixels under shape's bounds, clipped by shape as
    // ClipPlacedArt does. A raster of which nothing lies under those bounds is removed together with shape.
    // A raster that cannot be cropped answers kUntrimmableRasterErr before anything changes. The new raster
    // is LastRaster().
    AIErr ClipRasterArt(AIArtHandle raster, AIArtHandle shape);
    // A new raster in front of the source holding the source's pixels within crop (the raster's own space,
    // x = column, y = -row), or none when it covers no pixel: LastRaster() is then null.
    AIErr CropRaster(AIArtHandle raster, const AIRealRect& crop);

    AIArtHandle LastRaster() const { return lastRaster_; }

private:
    AIArtHandle lastRaster_ = nullptr;
};
