// The inside pass, which removes whatever lies inside the region: the mirror of the outside pass, over the same
// layer walk. Crossing art keeps its part outside the region; placed art and rasters stay whole.
#include "plugin/engine/CZvKiruru.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kInsidePassText = "切り抜き(内側)を実行中";

}  // namespace

// Emptied layers go only in the final sweep. A region the host would not delete is not reported: the clipping
// is done.
AIErr CZvKiruru::KirinukiInside() {
    if (AIErr err = WalkLayers(kInsidePassText, false)) return err;
    if (!options_.PreserveMaskPath) DisposeRegion();
    if (options_.DeleteEmptyLayer) DeleteEmptyLayers();
    return sAIDocument->RedrawDocument();
}

AIErr CZvKiruru::KirinukiArtInside(AIArtHandle art, bool followSiblings) {
    return KirinukiArt(art, followSiblings);
}
