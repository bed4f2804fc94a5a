// The art maker on a real document: outlines, clip groups, and rasters cropped under a shape, judged by the
// pixels that come out: exactly the source pixels the shape's bounds touch are kept, each showing at its place on
// the page the source pixel that was there.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "plugin/geometry/ArtMaker.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

using headless::Art;
using headless::ArtId;
constexpr int kColumns = 16, kRows = 12;

std::uint8_t Pattern(int column, int row, int channel) {
    return static_cast<std::uint8_t>(column + kColumns * row + 61 * channel);
}
AIRealPoint Apply(const AIRealMatrix& m, AIRealPoint p) {
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}
AIRealMatrix Inverse(const AIRealMatrix& m) {
    const AIReal det = m.a * m.d - m.b * m.c;
    AIRealMatrix i{m.d / det, -m.b / det, -m.c / det, m.a / det, 0, 0};
    const AIRealPoint t = Apply(i, {m.tx, m.ty});
    return {i.a, i.b, i.c, i.d, -t.h, -t.v};
}
// Source pixels along one axis whose unit squares overlap [low, high].
int Touched(AIReal low, AIReal high, int count) {
    int touched = 0;
    for (int i = 0; i < count; ++i)
        touched += std::min<AIReal>(i + 1, high) - std::max<AIReal>(i, low) > 1e-9;
    return touched;
}

class ArtMakerTest : public GeometryTest {
protected:
    ArtId Raster(AIRasterColorSpace space, ASInt16 bits, const AIRealMatrix& placement) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(kRasterArt, kPlaceAboveAll, {}, &id), kNoErr);
        headless::RasterData& r = *doc.Find(id)->raster;
        r.info = {0, {0, 0, kColumns, kRows}, (kColumns * bits + 7) / 8, space, bits, space};
        r.matrix = placement;
        r.pixels.resize(static_cast<std::size_t>(kRows * r.info.byteWidth));
        for (int i = 0; bits >= 8 && i < kRows * kColumns * bits / 8; ++i)
            r.pixels[i] = Pattern(i / (bits / 8) % kColumns, i / r.info.byteWidth, i % (bits / 8));
        return id;
    }
    std::vector<ArtId> UserArt() { return Children(doc, GroupOf(layer)); }
    void Empty() {
        for (ArtId id : UserArt())
            doc.Dispose(id);
    }

    // Clips a raster placed by m with a rectangle over the fractions f (left, top, right, bottom) of its box on
    // the page, and checks the clip group and every pixel it holds.
    void CheckClip(AIRasterColorSpace space, ASInt16 bits, const AIRealMatrix& m, const AIRealRect& f) {
        SCOPED_TRACE(::testing::Message()
                     << "space " << space << " matrix " << m.a << " " << m.b << " left " << f.left);
        Empty();
        const ArtId raster = Raster(space, bits, m);
        AIRealRect page;
        ASSERT_EQ(doc.Bounds(raster, nullptr, &page), kNoErr);
        const AIReal w = page.right - page.left, h = page.top - page.bottom;
        const AIRealRect box{page.left + f.left * w, page.bottom + f.top * h, page.left + f.right * w,
                             page.bottom + f.bottom * h};
        const ArtId shape = AddRect(box.left, box.top, box.right, box.bottom);
        ArtMaker maker;
        ASSERT_EQ(maker.ClipRasterArt(H(raster), H(shape)), kNoErr);
        EXPECT_FALSE(doc.Contains(raster));

        AIRealRect image{1e300, -1e300, -1e300, 1e300};  // the shape's box in image space, y as rows
        for (AIRealPoint corner :
             {AIRealPoint{box.left, box.top}, {box.right, box.bottom}, {box.left, box.bottom}, {box.right, box.top}}) {
            const AIRealPoint p = Apply(Inverse(m), corner);
            image = {std::min(image.left, p.h), std::max(image.top, -p.v), std::max(image.right, p.h),
                     std::min(image.bottom, -p.v)};
        }
        const int columns = Touched(image.left, image.right, kColumns), rows = Touched(image.bottom, image.top, kRows);
        if (columns == 0 || rows == 0) {
            EXPECT_EQ(maker.LastRaster(), nullptr);
            EXPECT_TRUE(UserArt().empty());  // nothing of the raster kept, and nothing to clip
            return;
        }
        ASSERT_EQ(UserArt().size(), 1u);
        EXPECT_TRUE(doc.Find(UserArt()[0])->clipped);
        ASSERT_EQ(Children(doc, UserArt()[0]), (std::vector<ArtId>{shape, Id(maker.LastRaster())}));
        EXPECT_TRUE(doc.Find(shape)->style->clip && !doc.Find(shape)->style->fillPaint);
        const headless::RasterData& cropped = *doc.Find(Id(maker.LastRaster()))->raster;
        ASSERT_EQ(cropped.info.bounds.right, columns);
        ASSERT_EQ(cropped.info.bounds.bottom, rows);
        for (int i = 0; i < rows * columns * bits / 8; ++i) {
            const int c = i / (bits / 8) % columns, r = i / cropped.info.byteWidth;
            const AIRealPoint source = Apply(Inverse(m), Apply(cropped.matrix, {c + 0.5, -(r + 0.5)}));
            ASSERT_EQ(cropped.pixels[i], Pattern(static_cast<int>(std::floor(source.h)),
                                                 static_cast<int>(std::floor(-source.v)), i % (bits / 8)))
                << i;
        }
    }
};

TEST_F(ArtMakerTest, AnOutlineFollowsTheBoundsClosedAndFilled) {
    const ArtId art = AddPath({{0, 0}, {20, 10}}, false);
    ArtMaker maker;
    AIArtHandle outline = nullptr;
    ASSERT_EQ(maker.MakeOutline(H(art), &outline), kNoErr);
    const Art& made = *doc.Find(Id(outline));
    const AIRealPoint expected[] = {{0, 10}, {20, 10}, {20, 0}, {0, 0}};
    ASSERT_EQ(made.segments.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(made.segments[i].p.h == expected[i].h && made.segments[i].p.v == expected[i].v) << i;
    EXPECT_TRUE(made.closed && made.style->fillPaint);
    EXPECT_EQ(UserArt(), (std::vector<ArtId>{Id(outline), art}));
}

TEST_F(ArtMakerTest, PlacedArtEndsInOneClippedGroupOrTheDocumentStaysAsItWas) {
    ArtId placed, shape;
    std::vector<ArtId> before;
    ArtMaker maker;
    auto reset = [&] {
        Empty();
        ASSERT_EQ(doc.NewArt(kPlacedArt, kPlaceAboveAll, {}, &placed), kNoErr);
        shape = AddRect(0, 10, 10, 0);
        before = UserArt();
    };
    auto clip = [&] { return maker.ClipPlacedArt(H(placed), H(shape)); };
    reset();
    ASSERT_EQ(clip(), kNoErr);
    ASSERT_EQ(UserArt().size(), 1u);
    EXPECT_TRUE(doc.Find(UserArt()[0])->clipped);
    EXPECT_EQ(Children(doc, UserArt()[0]), (std::vector<ArtId>{shape, placed}));
    FailEachCall(clip, reset, [&](std::string_view, std::size_t, AIErr err) {
        EXPECT_EQ(err, kFault);
        EXPECT_EQ(UserArt(), before);
        EXPECT_FALSE(doc.Find(shape)->style->clip);
    });
}

TEST_F(ArtMakerTest, RastersCropToThePixelsUnderTheShapeWhateverTheirPlacementAndColour) {
    const AIReal c = 2 * std::cos(0.5), s = 2 * std::sin(0.5);
    const AIRealMatrix placements[] = {
        {3, 0, 0, 3, 10, 50}, {-2, 0, 0, 2, 100, 40}, {2, 0, 0, -2, 0, 0}, {c, s, -s, c, 20, 20}};
    // Over the right edge, within, all around, beside.
    const AIRealRect fractions[] = {
        {0.3, 0.7, 1.3, 0.2}, {0.41, 0.63, 0.58, 0.37}, {-0.5, 1.5, 1.5, -0.5}, {1.2, 0.5, 1.4, 0.2}};
    for (const AIRealMatrix& m : placements)
        for (const AIRealRect& f : fractions)
            CheckClip(kRGBColorSpace, 24, m, f);
    for (auto [space, bits] :
         {std::pair{kGrayColorSpace, 8}, {kAlphaRGBColorSpace, 32}, {kCMYKColorSpace, 32}, {kAlphaCMYKColorSpace, 40}})
        CheckClip(space, static_cast<ASInt16>(bits), placements[3], fractions[0]);
}

TEST_F(ArtMakerTest, ARasterThatCannotBeCroppedOrAFailingCallLeavesItAsItWas) {
    const AIRealMatrix placement{2, 0.5, -0.5, 2, 7, 9};
    ArtId raster, shape;
    std::vector<ArtId> before;
    ASInt16 bits = 1;
    std::size_t blocks = 0;
    auto reset = [&] {
        Empty();
        blocks = app.liveBlocks.size();
        raster = Raster(kGrayColorSpace, bits, bits == 16 ? AIRealMatrix{} : placement);
        shape = AddRect(0, 10, 10, 0);
        before = UserArt();
    };
    ArtMaker maker;
    auto clip = [&] { return maker.ClipRasterArt(H(raster), H(shape)); };
    auto unchanged = [&] {
        EXPECT_EQ(maker.LastRaster(), nullptr);
        EXPECT_EQ(UserArt(), before);
        EXPECT_EQ(doc.Find(raster)->raster->matrix.a, bits == 16 ? 0 : placement.a);
        EXPECT_FALSE(doc.Find(shape)->style->clip);
        EXPECT_EQ(app.liveBlocks.size(), blocks);
    };
    reset();
    EXPECT_EQ(clip(), kUntrimmableRasterErr);
    unchanged();
    bits = 16;  // placed by a matrix that cannot be inverted
    reset();
    EXPECT_NE(clip(), kNoErr);
    unchanged();

    bits = 8;
    bool cropPathDisposal = true;
    FailEachCall(clip, reset, [&](std::string_view call, std::size_t, AIErr err) {
        // A value, which a fault cannot replace, and the giving back of memory, which has no one to tell.
        if (call.ends_with("AIRealMatrixInvert") || call.ends_with("FreeBlock")) return;
        EXPECT_EQ(err, kFault);
        if (call.ends_with("DisposeArt") && std::exchange(cropPathDisposal, false)) {
            doc.Dispose(UserArt().front());  // the temporary path the host refused to delete
        }
        unchanged();
    });
}

}  // namespace
}  // namespace trimora::testing
