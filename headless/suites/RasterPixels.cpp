// Raster shapes and tile copies; every index is checked in 64 bits before any byte moves.
#include "headless/suites/RasterPixels.h"

#include <algorithm>
#include <cstdint>

#include "headless/suites/HostEntry.h"

namespace headless {
namespace {

constexpr std::int64_t kMaxChannels = 32;  // the tile's channel interleave table

struct Extent {
    std::int64_t rows, columns, channels;
};

bool WellFormed(const AISlice& s) {
    return s.top <= s.bottom && s.left <= s.right && s.front <= s.back;
}

Extent ExtentOf(const AISlice& s) {
    return {std::int64_t{s.bottom} - s.top, std::int64_t{s.right} - s.left, std::int64_t{s.back} - s.front};
}

bool Within(const AISlice& inner, const AISlice& outer) {
    return inner.top >= outer.top && inner.bottom <= outer.bottom && inner.left >= outer.left &&
           inner.right <= outer.right && inner.front >= outer.front && inner.back <= outer.back;
}

// Where the tile keeps the bytes of its work slice.
class TileLayout {
public:
    TileLayout(const AITile& tile, const AISlice& work, std::optional<std::size_t> capacity) : tile_(tile) {
        const AISlice& b = tile.bounds;
        if (!WellFormed(b) || !WellFormed(work) || !Within(work, b)) Throw(kOutOfRangeErr);
        if (tile.rowBytes < 0 || tile.colBytes < 0 || tile.planeBytes < 0) Throw(kBadParameterErr);
        const Extent e = ExtentOf(work);
        if (e.rows == 0 || e.columns == 0 || e.channels == 0) return;
        if (!tile.data) Throw(kBadParameterErr);
        if (std::int64_t{work.back} - b.front > kMaxChannels) Throw(kOutOfRangeErr);

        // A pixel's channels lie within its column (interleaved) or its planes follow each other (planar), and
        // the columns of a row within the row, so that no two pixels of the tile share a byte.
        const Extent whole = ExtentOf(b);
        std::int64_t lastChannel = 0;
        for (std::int64_t k = work.front - b.front; k < work.back - b.front; ++k) {
            const std::int64_t place = tile.channelInterleave[k];
            if (place < 0) Throw(kBadParameterErr);
            lastChannel = std::max(lastChannel, place);
        }
        const std::int64_t pixelBytes = tile.planeBytes == 0 ? lastChannel + 1 : 1;
        if (tile.colBytes < pixelBytes || tile.rowBytes < whole.columns * tile.colBytes) Throw(kBadParameterErr);
        if (tile.planeBytes != 0 && tile.planeBytes < whole.rows * tile.rowBytes) Throw(kBadParameterErr);

        origin_ = PixelOffset(work.top, work.left);
        const std::int64_t end = PixelOffset(work.bottom - 1, work.right - 1) + lastChannel * ChannelStride() + 1;
        if (capacity && end > static_cast<std::int64_t>(*capacity)) Throw(kOutOfRangeErr);
        firstChannel_ = work.front - b.front;
    }

    // Byte of row r, column c, channel k of the work slice, counted from the slice's own corner.
    std::uint8_t* At(std::int64_t r, std::int64_t c, std::int64_t k) const {
        const std::int64_t offset = r * tile_.rowBytes + c * tile_.colBytes + ChannelOffset(firstChannel_ + k);
        return static_cast<std::uint8_t*>(tile_.data) + origin_ + offset;
    }

private:
    std::int64_t ChannelStride() const { return tile_.planeBytes == 0 ? 1 : tile_.planeBytes; }
    std::int64_t ChannelOffset(std::int64_t k) const { return tile_.channelInterleave[k] * ChannelStride(); }
    std::int64_t PixelOffset(std::int64_t row, std::int64_t column) const {
        return (row - tile_.bounds.top) * tile_.rowBytes + (column - tile_.bounds.left) * tile_.colBytes;
    }

    const AITile& tile_;
    std::int64_t origin_ = 0;
    std::int64_t firstChannel_ = 0;
};

}  // namespace

std::optional<RasterShape> ShapeOf(const AIRasterRecord& info) {
    RasterShape s;
    s.rows = std::int64_t{info.bounds.bottom} - info.bounds.top;
    s.columns = std::int64_t{info.bounds.right} - info.bounds.left;
    s.byteWidth = info.byteWidth;
    if (s.rows < 0 || s.columns < 0 || info.bitsPerPixel <= 0) return std::nullopt;
    // Slices address pixels in 32 bits.
    if (s.rows > INT32_MAX || s.columns > INT32_MAX) return std::nullopt;
    if (info.bitsPerPixel != 1 && info.bitsPerPixel % 8 != 0) return std::nullopt;
    if (info.bitsPerPixel / 8 > kMaxChannels) return std::nullopt;
    s.bytesPerPixel = info.bitsPerPixel / 8;
    if (s.byteWidth < (s.columns * info.bitsPerPixel + 7) / 8) return std::nullopt;
    return s;
}

void CopyTile(RasterData& raster, const AISlice& artSlice, const AITile& tile, const AISlice& workSlice,
              TileDirection direction, std::optional<std::size_t> tileCapacity) {
    const std::optional<RasterShape> shape = ShapeOf(raster.info);
    if (!shape || raster.pixels.size() < static_cast<std::size_t>(shape->rows * shape->byteWidth))
        Throw(kInternalErr);  // the document holds a raster it cannot describe
    // Rows of bits have no channels to slice.
    if (shape->bytesPerPixel == 0) Throw(kBadParameterErr);
    const AISlice whole{0,
                        0,
                        static_cast<ASInt32>(shape->rows),
                        static_cast<ASInt32>(shape->columns),
                        0,
                        static_cast<ASInt32>(shape->bytesPerPixel)};
    if (!WellFormed(artSlice) || !Within(artSlice, whole)) Throw(kOutOfRangeErr);
    const Extent e = ExtentOf(artSlice);
    const Extent w = ExtentOf(workSlice);
    if (w.rows != e.rows || w.columns != e.columns || w.channels != e.channels) Throw(kBadParameterErr);
    const TileLayout layout(tile, workSlice, tileCapacity);

    for (std::int64_t r = 0; r < e.rows; ++r) {
        std::uint8_t* row = raster.pixels.data() + (artSlice.top + r) * shape->byteWidth;
        for (std::int64_t c = 0; c < e.columns; ++c) {
            std::uint8_t* pixel = row + (artSlice.left + c) * shape->bytesPerPixel + artSlice.front;
            for (std::int64_t k = 0; k < e.channels; ++k) {
                if (direction == TileDirection::kRasterToTile)
                    *layout.At(r, c, k) = pixel[k];
                else
                    pixel[k] = *layout.At(r, c, k);
            }
        }
    }
}

}  // namespace headless
