// Paths, placed art and rasters that cross the region. Until they can be cut they are kept whole.
#include "plugin/engine/CZvKiruru.h"

AIErr CZvKiruru::KirinukiPathArt(AIArtHandle, ArtHandleList& pieces) {
    pieces.Clear();
    return kNoErr;
}

AIErr CZvKiruru::KirinukiPlaced(AIArtHandle) {
    return kNoErr;
}

AIErr CZvKiruru::KirinukiRaster(AIArtHandle) {
    return kNoErr;
}
