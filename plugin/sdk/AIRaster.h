// AI Raster suite: the raster record, placement and pixels of raster art.
#pragma once

#include "plugin/sdk/AIRasterTypes.h"

constexpr const char* kAIRasterSuite = "AI Raster Suite";
constexpr int kAIRasterSuiteVersion = 10;

struct AIRasterSuite {
    AIErr (*GetRasterInfo)(AIArtHandle raster, AIRasterRecord* info);
    // Sets the pixel format and size; the pixels are cleared.
    AIErr (*SetRasterInfo)(AIArtHandle raster, const AIRasterRecord* info);
    // Maps the raster's pixel space into artwork coordinates.
    AIErr (*GetRasterMatrix)(AIArtHandle raster, AIRealMatrix* matrix);
    AIErr (*SetRasterMatrix)(AIArtHandle raster, const AIRealMatrix* matrix);
    // The pixel bounds in the raster's own space.
    AIErr (*GetRasterBoundingBox)(AIArtHandle raster, AIRealRect* bbox);
    // Copies the pixels of artSlice of the raster into workSlice of the tile's buffer.
    AIErr (*GetRasterTile)(AIArtHandle raster, const AISlice* artSlice, AITile* workTile, const AISlice* workSlice);
    // Copies the pixels of workSlice of the tile's buffer into artSlice of the raster.
    AIErr (*SetRasterTile)(AIArtHandle raster, const AISlice* artSlice, const AITile* workTile,
                           const AISlice* workSlice);
};
