// Crossing art through whole runs: paths cut as areas or as lines, clip groups by their masks, compound paths,
// placed art and rasters, in both passes, against a circular region whose box decides nothing.
#include <cmath>
#include <cstring>

#include "headless/document/SdkGeometry.h"
#include "plugin/geometry/ArtMaker.h"
#include "tests/plugin/engine/EngineFixture.h"
#include "tests/support/TestSupport.h"

namespace trimora::testing {
namespace {

constexpr AIReal kKappa = 0.5522847498307936;  // the handle length of a quarter circle, as a fraction of r
constexpr AIReal kR = 50;                      // the region: a circle of radius kR around the origin

class CrossingArt : public EngineTest {
protected:
    // The region, a circle drawn with four cubic quarters.
    ArtId CircleRegion() {
        const AIReal k = kKappa * kR;
        ArtId id;
        EXPECT_EQ(doc.NewArt(kPathArt, kPlaceAboveAll, {}, &id), kNoErr);
        headless::Art& a = *doc.Find(id);
        a.segments = {{{kR, 0}, {kR, -k}, {kR, k}, 0},
                      {{0, kR}, {k, kR}, {-k, kR}, 0},
                      {{-kR, 0}, {-kR, k}, {-kR, -k}, 0},
                      {{0, -kR}, {-k, -kR}, {k, -kR}, 0}};
        a.closed = true;
        Select(id);
        return id;
    }
    void Paint(ArtId id, bool fill, bool stroke) {
        AIPathStyle& s = doc.Find(id)->style.Edit();
        s.fillPaint = fill;
        s.fill.color.kind = kThreeColor;
        s.fill.color.c.rgb = {0.2, 0.4, 0.6};
        s.strokePaint = stroke;
        s.stroke.color.kind = kThreeColor;
        s.stroke.color.c.rgb = {0.9, 0.1, 0.1};
        s.stroke.width = 3;
    }
    ArtId Filled(AIReal l, AIReal t, AIReal r, AIReal b, ArtId ref = {}, AIPaintOrder order = kPlaceAboveAll) {
        const ArtId id = AddRect(l, t, r, b, ref, order);
        Paint(id, true, true);
        return id;
    }
    ArtId Mask(AIReal l, AIReal t, AIReal r, AIReal b, ArtId group) {
        const ArtId id = AddRect(l, t, r, b, group, kPlaceInsideOnTop);
        doc.Find(id)->style.Edit().clip = 1;
        doc.Find(group)->clipped = true;
        return id;
    }
    std::vector<ArtId> Children(ArtId parent) const { return test::Children(doc, parent); }
    std::vector<ArtId> Top() const { return Children(LayerGroupOf(layer)); }
    ArtId LayerGroupOf(LayerId l) const { return doc.FindLayer(l)->group; }
    AIReal Area(ArtId path) const {
        const headless::Art& a = *doc.Find(path);
        return std::abs(headless::SignedArea(a.segments, a.closed));
    }
    static bool Curved(const headless::Art& path) {
        for (const AIPathSegment& s : path.segments)
            if (s.in.h != s.p.h || s.in.v != s.p.v || s.out.h != s.p.h || s.out.v != s.p.v) return true;
        return false;
    }
    ASErr Outside() { return Play(ClipOptions{0, 0, 0, 0, 0}); }
    ASErr Inside() { return Play(ClipOptions{1, 0, 0, 0, 0}); }
};

TEST_F(CrossingArt, FillsAreCutAsAreasWithCurvesAndStyleKeptAndSeveralPiecesMakeOneCompound) {
    // A square whose corner the circle's arc crosses: the kept part is bounded by a cubic sub-curve of the arc.
    const ArtId square = Filled(0, 100, 100, 0);
    const AIPathStyle style = doc.Find(square)->style;
    const AIReal circle = Area(CircleRegion());
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(square));
    ASSERT_EQ(Top().size(), 1u);
    const headless::Art& quarter = *doc.Find(Top()[0]);
    EXPECT_EQ(quarter.type, kPathArt);
    EXPECT_TRUE(quarter.closed);
    EXPECT_TRUE(Curved(quarter));
    EXPECT_EQ(std::memcmp(&*quarter.style, &style, sizeof style), 0);
    EXPECT_NEAR(Area(Top()[0]), circle / 4, 1e-3);

    // The inside pass cuts a bar across the circle into a left and a right part: one compound path of both.
    Filled(-80, 10, 80, -10);
    CircleRegion();
    ASSERT_EQ(Inside(), kNoErr);
    std::size_t compounds = 0;
    for (ArtId id : Top()) {
        if (doc.Find(id)->type != kCompoundPathArt) continue;
        ++compounds;
        const auto members = Children(id);
        ASSERT_EQ(members.size(), 2u);
        // The bar less the circle's band between y = -10 and 10.
        const AIReal a = 10;
        const AIReal band = 2 * (a * std::sqrt(kR * kR - a * a) + kR * kR * std::asin(a / kR));
        EXPECT_NEAR(Area(members[0]) + Area(members[1]), 160 * 20 - band, 2.0);
    }
    EXPECT_EQ(compounds, 1u);
}

TEST_F(CrossingArt, StrokesAndFilledStraightLinesAreCutAsLines) {
    const ArtId stroke = AddPath({{-80, 0}, {0, 20}, {80, 0}}, false);
    Paint(stroke, false, true);
    const ArtId line = AddPath({{-80, -20}, {80, -20}}, false);
    Paint(line, true, true);  // a fill on two points paints nothing; cutting it as an area would lose it
    CircleRegion();
    ASSERT_EQ(Inside(), kNoErr);
    // Both cross the circle twice: two open ends outside, each a copy with its own style.
    ASSERT_EQ(Top().size(), 4u);
    for (ArtId id : Top()) {
        const headless::Art& piece = *doc.Find(id);
        EXPECT_EQ(piece.type, kPathArt);
        EXPECT_FALSE(piece.closed);
        EXPECT_TRUE(piece.style->strokePaint);
    }
}

TEST_F(CrossingArt, ACompoundOfStrokedUnfilledMembersIsCutAsLinesAndKeepsNoEdgeOfTheRegion) {
    ArtId compound;
    ASSERT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &compound), kNoErr);
    for (AIReal y : {10.0, -10.0}) {
        const ArtId member = AddRect(-80, y + 5, 80, y - 5, compound, kPlaceInsideOnTop);
        Paint(member, false, true);
    }
    CircleRegion();
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(compound));
    ASSERT_EQ(Top().size(), 1u);
    const ArtId joined = Top()[0];
    ASSERT_EQ(doc.Find(joined)->type, kCompoundPathArt);
    // Each rectangle's long sides cross the circle: four open pieces, none closed along the arc.
    const auto pieces = Children(joined);
    EXPECT_EQ(pieces.size(), 4u);
    for (ArtId id : pieces) {
        EXPECT_FALSE(doc.Find(id)->closed);
        EXPECT_FALSE(doc.Find(id)->style->fillPaint);
    }
}

TEST_F(CrossingArt, AClipGroupsMaskDecidesItsFate) {
    // Wholly inside the circle: a new mask of the same shape, and the contents are cut one by one.
    ArtId group = AddGroup();
    const ArtId content = Filled(-80, 80, 80, -80, group, kPlaceInsideOnTop);
    Mask(-20, 20, 20, -20, group);
    const AIReal circle = Area(CircleRegion());
    ASSERT_EQ(Outside(), kNoErr);
    ASSERT_TRUE(Alive(group));
    auto members = Children(group);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_TRUE(doc.Find(members[0])->style->clip);
    EXPECT_NEAR(Area(members[0]), 40 * 40, 1e-6);
    EXPECT_FALSE(Alive(content));
    EXPECT_NEAR(Area(members[1]), circle, 1e-3);

    // Wholly outside the circle, in a corner of its box: the group goes.
    group = AddGroup();
    Filled(-80, 80, 80, -80, group, kPlaceInsideOnTop);
    Mask(40, 48, 48, 40, group);
    CircleRegion();
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(group));

    // Split in two by the inside pass: one compound clipping path with the mask's style.
    group = AddGroup();
    Filled(-80, 80, 80, -80, group, kPlaceInsideOnTop);
    Mask(-80, 10, 80, -10, group);
    CircleRegion();
    ASSERT_EQ(Inside(), kNoErr);
    members = Children(group);
    ASSERT_FALSE(members.empty());
    const headless::Art& mask = *doc.Find(members[0]);
    ASSERT_EQ(mask.type, kCompoundPathArt);
    EXPECT_EQ(Children(members[0]).size(), 2u);
    for (ArtId m : Children(members[0]))
        EXPECT_TRUE(doc.Find(m)->style->clip);
}

TEST_F(CrossingArt, OnlyTheGroupsOwnMaskIsCutAndALockedClipGroupStaysInTheInsidePass) {
    // The group's first child is a clip group of its own; its mask is not the outer group's.
    const ArtId outer = AddGroup();
    Filled(-80, 80, 80, -80, outer, kPlaceInsideOnTop);
    const ArtId inner = AddGroup(outer, kPlaceInsideOnTop);
    Filled(-60, 60, 60, -60, inner, kPlaceInsideOnTop);
    const ArtId innerMask = Mask(-70, 5, 70, -5, inner);
    ASSERT_EQ(doc.Reorder(inner, kPlaceInsideOnBottom, outer), kNoErr);
    const ArtId outerMask = Mask(-30, 30, 30, -30, outer);
    ASSERT_EQ(doc.Reorder(outerMask, kPlaceInsideOnBottom, outer), kNoErr);
    CircleRegion();
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(outerMask));
    const ArtId newMask = Children(outer).front();
    EXPECT_TRUE(doc.Find(newMask)->style->clip);
    EXPECT_NEAR(Area(newMask), 60 * 60, 1e-6) << "the outer mask's shape, wholly inside the circle";
    // The nested group was cut by its own mask, which stays its own.
    ASSERT_TRUE(Alive(inner));
    EXPECT_EQ(doc.Find(inner)->parent, outer);
    EXPECT_TRUE(doc.Find(inner)->clipped);
    EXPECT_FALSE(Alive(innerMask));
    EXPECT_TRUE(doc.Find(Children(inner).front())->style->clip);

    // Locked: neither the mask nor the contents are touched, though they cross the region.
    const ArtId locked = AddGroup();
    const ArtId lockedContent = Filled(-80, 80, 80, -80, locked, kPlaceInsideOnTop);
    const ArtId lockedMask = Mask(-80, 10, 80, -10, locked);
    Lock(locked);
    CircleRegion();
    ASSERT_EQ(Inside(), kNoErr);
    EXPECT_TRUE(Alive(lockedMask));
    EXPECT_TRUE(Alive(lockedContent));
    EXPECT_EQ(Children(locked).size(), 2u);
}

TEST_F(CrossingArt, AClippingLayerWhoseMaskIsCutAwayLosesItsNestedContentAndKeepsTheLayer) {
    const LayerId clipping = AddLayer("clipping", kPlaceAboveAll);
    const ArtId g = LayerGroupOf(clipping);
    const ArtId outerGroup = AddGroup(g, kPlaceInsideOnTop);
    const ArtId innerGroup = AddGroup(outerGroup, kPlaceInsideOnTop);
    Filled(-80, 80, 80, -80, innerGroup, kPlaceInsideOnTop);
    Filled(-10, 10, 10, -10, outerGroup, kPlaceInsideOnTop);
    Mask(40, 48, 48, 40, g);
    ASSERT_EQ(doc.SetCurrentLayer(layer), kNoErr);
    CircleRegion();
    ASSERT_EQ(Outside(), kNoErr);
    ASSERT_NE(doc.FindLayer(clipping), nullptr);
    EXPECT_TRUE(Children(g).empty());
    EXPECT_FALSE(Alive(innerGroup));
}

TEST_F(CrossingArt, PlacedArtAndRastersAreTrimmedOutsideAndKeptWholeInside) {
    // The box of a placed image crosses the circle's box, but the image misses the circle: it is outside.
    const ArtId missing = AddBoxed(kPlacedArt, {40, 60, 60, 40});
    const ArtId crossing = AddBoxed(kPlacedArt, {0, 80, 80, 0});
    const AIReal circle = Area(CircleRegion());
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(missing));
    ASSERT_TRUE(Alive(crossing));
    const ArtId clip = doc.Find(crossing)->parent;
    EXPECT_TRUE(doc.Find(clip)->clipped);
    EXPECT_NEAR(Area(Children(clip)[0]), circle / 4, 1e-3);

    const ArtId kept = AddBoxed(kPlacedArt, {0, 80, 80, 0});
    CircleRegion();
    ASSERT_EQ(Inside(), kNoErr);
    EXPECT_EQ(doc.Find(kept)->parent, LayerGroupOf(layer));
}

// A raster turned by 45 degrees, as the host keeps it: 16 by 16 pixels of `bits` bits, ten units each.
ArtId TurnedRaster(headless::Document& doc, ASInt16 flags, ASInt16 bits) {
    const AIReal s = std::sqrt(0.5);
    ArtId raster;
    EXPECT_EQ(doc.NewArt(kRasterArt, kPlaceAboveAll, {}, &raster), kNoErr);
    headless::RasterData& r = *doc.Find(raster)->raster;
    r.info = {flags, {0, 0, 16, 16}, static_cast<ASInt32>((16 * bits + 7) / 8), kGrayColorSpace, bits, kGrayColorSpace};
    r.matrix = {10 * s, 10 * s, -10 * s, 10 * s, 0, 0};
    r.pixels.assign(static_cast<std::size_t>(16 * r.info.byteWidth), 0x5a);
    return raster;
}

TEST_F(CrossingArt, ATurnedRasterIsCroppedUnderTheRegion) {
    const ArtId raster = TurnedRaster(doc, 0, 8);
    CircleRegion();
    ASSERT_EQ(Outside(), kNoErr);
    EXPECT_FALSE(Alive(raster));
    ASSERT_EQ(Top().size(), 1u);
    const auto members = Children(Top()[0]);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_TRUE(doc.Find(Top()[0])->clipped);
    const headless::Art& cropped = *doc.Find(members[1]);
    ASSERT_EQ(cropped.type, kRasterArt);
    EXPECT_LT(cropped.raster->info.bounds.right, 16) << "only the pixels under the circle's box";
}

// Rasters the crop cannot copy are refused before anything of them changes.
TEST_F(CrossingArt, RastersWithFlagsOrLessThanAByteAPixelAreRefusedBeforeAnythingChanges) {
    for (auto [flags, bits] : {std::pair<ASInt16, ASInt16>{1, 8}, std::pair<ASInt16, ASInt16>{0, 1}}) {
        SCOPED_TRACE(bits);
        const ArtId behind = Filled(-80, 10, 80, -10);  // visited after the raster
        const ArtId raster = TurnedRaster(doc, flags, bits);
        const headless::RasterData before = *doc.Find(raster)->raster;
        const ArtId region = CircleRegion();
        const std::size_t count = doc.ArtCount();
        EXPECT_EQ(Outside(), kUntrimmableRasterErr);
        EXPECT_EQ(doc.ArtCount(), count);
        EXPECT_EQ(doc.Find(behind)->segments.size(), 4u);
        EXPECT_EQ(doc.Find(raster)->raster->pixels, before.pixels);
        EXPECT_EQ(std::memcmp(&doc.Find(raster)->raster->matrix, &before.matrix, sizeof before.matrix), 0);
        EXPECT_EQ(doc.CountLayers(), layersBefore);
        for (ArtId id : {raster, behind, region})
            doc.Dispose(id);
    }
}

}  // namespace
}  // namespace trimora::testing
