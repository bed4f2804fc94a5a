// The raster suite: records, the bounding box convention, tiles in and out of slices, and the crop of a raster
// to a shape's bounds as the module computes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "plugin/sdk/AIRaster.h"
#include "plugin/sdk/AIRealMath.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

class RasterSuite : public testing::HostTest {
protected:
    const AIRasterSuite* raster = Acquire<AIRasterSuite>(kAIRasterSuite, kAIRasterSuiteVersion);

    // A raster of `columns` x `rows` whose byte (row, column, channel) is row * 16 + column + channel * 64.
    AIArtHandle MakeRaster(ASInt32 columns, ASInt32 rows, ASInt16 bits) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(kRasterArt, kPlaceAboveAll, {}, &id), kNoErr);
        const AIRasterRecord info{0, {0, 0, columns, rows}, columns * (bits / 8), kRGBColorSpace, bits, -1};
        EXPECT_EQ(raster->SetRasterInfo(H(id), &info), kNoErr);
        RasterData& data = *doc.Find(id)->raster;
        const int channels = bits / 8;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                for (int k = 0; k < channels; ++k)
                    data.pixels[static_cast<std::size_t>((r * columns + c) * channels + k)] =
                        static_cast<std::uint8_t>(r * 16 + c + k * 64);
        return H(id);
    }

    // A tile whose buffer is exactly the slice, channels interleaved, as the module builds it.
    static AITile TileFor(std::vector<std::uint8_t>& buffer, const AISlice& s) {
        const ASInt32 channels = s.back - s.front;
        buffer.assign(static_cast<std::size_t>((s.bottom - s.top) * (s.right - s.left) * channels), 0xEE);
        AITile tile{buffer.data(), s, (s.right - s.left) * channels, channels, 0, {}};
        for (ASInt16 i = 0; i < 32; ++i)
            tile.channelInterleave[i] = i;
        return tile;
    }
};

TEST_F(RasterSuite, RecordSizesThePixelsAndRefusesWhatCannotHoldThem) {
    const AIArtHandle r = MakeRaster(4, 3, 24);
    AIRasterRecord info;
    ASSERT_EQ(raster->GetRasterInfo(r, &info), kNoErr);
    EXPECT_EQ(info.byteWidth, 12);
    EXPECT_EQ(doc.Find(Id(r))->raster->pixels.size(), 36u);

    AIRasterRecord bad = info;
    bad.byteWidth = 11;  // rows shorter than their pixels
    EXPECT_EQ(raster->SetRasterInfo(r, &bad), kBadParameterErr);
    bad = info;
    bad.bounds = {0, 5, 4, 3};  // bottom above top
    EXPECT_EQ(raster->SetRasterInfo(r, &bad), kBadParameterErr);
    bad = info;
    bad.bitsPerPixel = 12;
    EXPECT_EQ(raster->SetRasterInfo(r, &bad), kBadParameterErr);
    EXPECT_EQ(doc.Find(Id(r))->raster->pixels.size(), 36u);  // a refused record changes nothing

    const ArtId path = AddRect(0, 1, 1, 0);
    EXPECT_EQ(raster->GetRasterInfo(H(path), &info), kWrongKindErr);
}

TEST_F(RasterSuite, BoundingBoxAndMatrix) {
    const AIArtHandle r = MakeRaster(10, 6, 8);
    AIRealRect box;
    ASSERT_EQ(raster->GetRasterBoundingBox(r, &box), kNoErr);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 6);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(box.bottom, 0);

    const AIRealMatrix m{2, 0, 0, 2, 100, 200};
    ASSERT_EQ(raster->SetRasterMatrix(r, &m), kNoErr);
    AIRealMatrix back;
    ASSERT_EQ(raster->GetRasterMatrix(r, &back), kNoErr);
    EXPECT_EQ(back.tx, 100);
    const AIRealMatrix broken{NAN, 0, 0, 1, 0, 0};
    EXPECT_EQ(raster->SetRasterMatrix(r, &broken), kBadParameterErr);
}

TEST_F(RasterSuite, SubSlicesReadAndWriteAtEveryDepth) {
    for (ASInt16 bits : {8, 24, 32}) {
        SCOPED_TRACE(bits);
        const ASInt32 channels = bits / 8;
        const AIArtHandle r = MakeRaster(6, 5, bits);
        const AISlice slice{1, 2, 4, 5, 0, channels};  // rows 1-3, columns 2-4
        std::vector<std::uint8_t> buffer;
        AITile tile = TileFor(buffer, slice);
        ASSERT_EQ(raster->GetRasterTile(r, &slice, &tile, &slice), kNoErr);
        EXPECT_EQ(buffer[0], 1 * 16 + 2);
        EXPECT_EQ(buffer[buffer.size() - 1], 3 * 16 + 4 + (channels - 1) * 64);

        // Written back at the origin of the raster: the rest stays as it was.
        const AISlice corner{0, 0, 3, 3, 0, channels};
        ASSERT_EQ(raster->SetRasterTile(r, &corner, &tile, &slice), kNoErr);
        const std::vector<std::uint8_t>& px = doc.Find(Id(r))->raster->pixels;
        const auto at = [&](int row, int column, int k) {
            return px[static_cast<std::size_t>((row * 6 + column) * channels + k)];
        };
        EXPECT_EQ(at(0, 0, 0), 1 * 16 + 2);
        EXPECT_EQ(at(2, 2, channels - 1), 3 * 16 + 4 + (channels - 1) * 64);
        EXPECT_EQ(at(0, 3, 0), 3);
        EXPECT_EQ(at(3, 0, 0), 3 * 16);
    }
}

TEST_F(RasterSuite, ChannelsCanBeChosenAndPlanar) {
    const AIArtHandle r = MakeRaster(2, 2, 24);
    // Only the blue channel, into a planar buffer of one plane.
    const AISlice art{0, 0, 2, 2, 2, 3};
    const AISlice work{0, 0, 2, 2, 0, 1};
    std::uint8_t plane[4] = {};
    AITile tile{plane, work, 2, 1, 4, {}};
    ASSERT_EQ(raster->GetRasterTile(r, &art, &tile, &work), kNoErr);
    EXPECT_EQ(plane[0], 128);
    EXPECT_EQ(plane[3], 1 * 16 + 1 + 128);
}

TEST_F(RasterSuite, SlicesOutsideAndTilesTooSmallAreRefused) {
    const AIArtHandle r = MakeRaster(6, 5, 24);
    const AISlice inside{0, 0, 2, 2, 0, 3};
    std::vector<std::uint8_t> buffer;
    AITile tile = TileFor(buffer, inside);

    for (AISlice outside : {AISlice{4, 0, 6, 2, 0, 3}, AISlice{-1, 0, 1, 2, 0, 3}, AISlice{0, 5, 2, 7, 0, 3},
                            AISlice{0, 0, 2, 2, 1, 4}, AISlice{2, 0, 0, 2, 0, 3}}) {
        AITile t = tile;
        t.bounds = outside;
        EXPECT_EQ(raster->GetRasterTile(r, &outside, &t, &outside), kOutOfRangeErr);
        EXPECT_EQ(raster->SetRasterTile(r, &outside, &t, &outside), kOutOfRangeErr);
    }

    // The work slice must lie in the tile's bounds and match the raster slice's size.
    const AISlice wider{0, 0, 2, 3, 0, 3};
    EXPECT_EQ(raster->GetRasterTile(r, &wider, &tile, &wider), kOutOfRangeErr);
    const AISlice oneRow{0, 0, 1, 2, 0, 3};
    EXPECT_EQ(raster->GetRasterTile(r, &inside, &tile, &oneRow), kBadParameterErr);

    // Rows or pixels that would overlap in the buffer.
    AITile shortRows = tile;
    shortRows.rowBytes = 5;
    EXPECT_EQ(raster->GetRasterTile(r, &inside, &shortRows, &inside), kBadParameterErr);
    AITile narrowPixels = tile;
    narrowPixels.colBytes = 2;
    EXPECT_EQ(raster->GetRasterTile(r, &inside, &narrowPixels, &inside), kBadParameterErr);
    AITile noData = tile;
    noData.data = nullptr;
    EXPECT_EQ(raster->GetRasterTile(r, &inside, &noData, &inside), kBadParameterErr);

    // A host block smaller than the tile says it is.
    void* block = AllocateHostBlock(11);
    AITile small = tile;
    small.data = block;
    EXPECT_EQ(raster->GetRasterTile(r, &inside, &small, &inside), kOutOfRangeErr);
    EXPECT_EQ(FreeHostBlock(block), kNoErr);
}

// The module's crop: the shape's bounds mapped into image space by the inverse matrix, clamped by the bounding
// box, widened to whole pixels and read as one slice.
TEST_F(RasterSuite, CropOfAShapeAcrossTheTopEdgeReadsTheRowsInside) {
    const AIArtHandle r = MakeRaster(10, 6, 8);
    const AIRealMatrix m{2, 0, 0, 2, 100, 200};
    ASSERT_EQ(raster->SetRasterMatrix(r, &m), kNoErr);
    const auto* math = Acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);

    // The shape spans x 105..114 and y 192..210 on the page: above the raster's top edge (y 200).
    AIRealMatrix inverse = m;
    ASSERT_EQ(math->AIRealMatrixInvert(&inverse), 0);
    AIRealPoint topLeft{105, 210}, bottomRight{114, 192};
    ASSERT_EQ(math->AIRealMatrixXformPoint(&inverse, &topLeft, &topLeft), kNoErr);
    ASSERT_EQ(math->AIRealMatrixXformPoint(&inverse, &bottomRight, &bottomRight), kNoErr);
    AIReal l = topLeft.h, t = topLeft.v, right = bottomRight.h, b = bottomRight.v;
    AIRealRect box;
    ASSERT_EQ(raster->GetRasterBoundingBox(r, &box), kNoErr);
    l = std::max(l, box.left);
    t = std::min(t, box.bottom);
    right = std::min(right, box.right);
    b = std::max(b, -box.top);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(b, -4);
    if (l != std::trunc(l)) right += 1;  // 2.5: one more column on the right

    const auto width = static_cast<ASInt32>(std::fabs(std::trunc(right) - l));
    const auto height = static_cast<ASInt32>(std::fabs(std::trunc(b) - t));
    const auto top = static_cast<ASInt32>(-t), left = static_cast<ASInt32>(l);
    const AISlice source{top, left, top + height, left + width, 0, 1};
    EXPECT_EQ(source.left, 2);
    EXPECT_EQ(source.right, 7);
    std::vector<std::uint8_t> buffer;
    AITile tile = TileFor(buffer, source);
    ASSERT_EQ(raster->GetRasterTile(r, &source, &tile, &source), kNoErr);
    EXPECT_EQ(buffer.front(), 0 * 16 + 2);
    EXPECT_EQ(buffer.back(), 3 * 16 + 6);

    ArtId cropped;
    ASSERT_EQ(doc.NewArt(kRasterArt, kPlaceAboveAll, {}, &cropped), kNoErr);
    const AIRasterRecord info{0, {0, 0, width, height}, width, kGrayColorSpace, 8, -1};
    ASSERT_EQ(raster->SetRasterInfo(H(cropped), &info), kNoErr);
    const AISlice destination{0, 0, height, width, 0, 1};
    ASSERT_EQ(raster->SetRasterTile(H(cropped), &destination, &tile, &source), kNoErr);
    EXPECT_EQ(doc.Find(cropped)->raster->pixels, buffer);
}

}  // namespace
}  // namespace headless
