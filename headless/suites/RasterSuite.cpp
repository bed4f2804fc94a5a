// The raster suite: the raster record, its placement and its pixels through tiles.
#include <cmath>

#include "headless/suites/HostEntry.h"
#include "headless/suites/RasterPixels.h"
#include "plugin/sdk/AIRaster.h"

namespace headless {
namespace {

// A raster larger than this is refused as memory the host will not give.
constexpr std::int64_t kMaxRasterBytes = std::int64_t{1} << 30;

RasterData& RasterOf(AIArtHandle art) {
    Art& a = ArtOf(art);
    if (a.type != kRasterArt || !a.raster) Throw(kWrongKindErr);
    return *a.raster;
}

std::optional<std::size_t> HostBlockSize(const void* data) {
    const auto& blocks = App().liveBlocks;
    const auto it = blocks.find(const_cast<void*>(data));
    return it == blocks.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

AIErr GetRasterInfo(AIArtHandle raster, AIRasterRecord* info) {
    Out(info) = RasterOf(raster).info;
    return kNoErr;
}

AIErr SetRasterInfo(AIArtHandle raster, const AIRasterRecord* info) {
    const AIRasterRecord& record = In(info);
    RasterData& data = RasterOf(raster);
    const std::optional<RasterShape> shape = ShapeOf(record);
    if (!shape) Throw(kBadParameterErr);
    if (shape->rows * shape->byteWidth > kMaxRasterBytes) Throw(kOutOfMemoryErr);
    data.pixels.assign(static_cast<std::size_t>(shape->rows * shape->byteWidth), 0);
    data.info = record;
    return kNoErr;
}

AIErr GetRasterMatrix(AIArtHandle raster, AIRealMatrix* matrix) {
    Out(matrix) = RasterOf(raster).matrix;
    return kNoErr;
}

AIErr SetRasterMatrix(AIArtHandle raster, const AIRealMatrix* matrix) {
    const AIRealMatrix& m = In(matrix);
    RasterData& data = RasterOf(raster);
    for (const AIReal v : {m.a, m.b, m.c, m.d, m.tx, m.ty})
        if (!std::isfinite(v)) Throw(kBadParameterErr);
    data.matrix = m;
    return kNoErr;
}

// Image space has x = column and y = -row. The box is answered with top = height and bottom = 0, so that a
// caller clamping a rectangle of image space with top := min(top, bottom of box) and bottom := max(bottom,
// -top of box) keeps it within the pixel rows, y in [-height, 0].
AIErr GetRasterBoundingBox(AIArtHandle raster, AIRealRect* bbox) {
    AIRealRect& out = Out(bbox);
    const std::optional<RasterShape> shape = ShapeOf(RasterOf(raster).info);
    if (!shape) Throw(kInternalErr);
    out = {0, static_cast<AIReal>(shape->rows), static_cast<AIReal>(shape->columns), 0};
    return kNoErr;
}

AIErr GetRasterTile(AIArtHandle raster, const AISlice* artSlice, AITile* workTile, const AISlice* workSlice) {
    const AITile& tile = In(workTile);
    CopyTile(RasterOf(raster), In(artSlice), tile, In(workSlice), TileDirection::kRasterToTile,
             HostBlockSize(tile.data));
    return kNoErr;
}

AIErr SetRasterTile(AIArtHandle raster, const AISlice* artSlice, const AITile* workTile, const AISlice* workSlice) {
    const AITile& tile = In(workTile);
    CopyTile(RasterOf(raster), In(artSlice), tile, In(workSlice), TileDirection::kTileToRaster,
             HostBlockSize(tile.data));
    return kNoErr;
}

const AIRasterSuite kRasterSuite = {
    TRIMORA_HOST_FN(AIRasterSuite, GetRasterInfo, GetRasterInfo),
    TRIMORA_HOST_FN(AIRasterSuite, SetRasterInfo, SetRasterInfo),
    TRIMORA_HOST_FN(AIRasterSuite, GetRasterMatrix, GetRasterMatrix),
    TRIMORA_HOST_FN(AIRasterSuite, SetRasterMatrix, SetRasterMatrix),
    TRIMORA_HOST_FN(AIRasterSuite, GetRasterBoundingBox, GetRasterBoundingBox),
    TRIMORA_HOST_FN(AIRasterSuite, GetRasterTile, GetRasterTile),
    TRIMORA_HOST_FN(AIRasterSuite, SetRasterTile, SetRasterTile),
};

}  // namespace

void RegisterRasterSuite(SuiteRegistry& registry) {
    registry.Add(kAIRasterSuite, kAIRasterSuiteVersion, &kRasterSuite);
}

}  // namespace headless
