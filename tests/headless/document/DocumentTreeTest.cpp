// The art tree: paint orders, layers, duplication, disposal and stale ids.
#include <gtest/gtest.h>

#include <cstring>

#include "headless/document/Document.h"
#include "tests/support/TestSupport.h"

namespace headless {
namespace {

using trimora::test::Children;

class DocumentTree : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(doc.InsertLayer({}, kPlaceAboveAll, &layer), kNoErr); }

    ArtId New(AIArtType type, AIPaintOrder order, ArtId ref) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(type, order, ref, &id), kNoErr);
        return id;
    }
    ArtId Group() { return doc.FindLayer(layer)->group; }

    Document doc;
    LayerId layer;
};

TEST_F(DocumentTree, PaintOrdersPlaceRelativeToTheReference) {
    const ArtId a = New(kPathArt, kPlaceAboveAll, {});
    const ArtId above = New(kPathArt, kPlaceAbove, a);
    const ArtId below = New(kPathArt, kPlaceBelow, a);
    const ArtId g = New(kGroupArt, kPlaceBelow, below);
    const ArtId top = New(kPathArt, kPlaceInsideOnTop, g);
    const ArtId bottom = New(kPathArt, kPlaceInsideOnBottom, g);
    const ArtId first = New(kPathArt, kPlaceInsideOnTop, g);
    EXPECT_EQ(Children(doc, Group()), (std::vector<ArtId>{above, a, below, g}));
    EXPECT_EQ(Children(doc, g), (std::vector<ArtId>{first, top, bottom}));
    EXPECT_EQ(doc.LayerOfArt(top), layer);
}

TEST_F(DocumentTree, NoReferencePlacesInTheCurrentLayer) {
    const ArtId a = New(kPathArt, kPlaceAbove, {});
    const ArtId b = New(kPathArt, kPlaceAboveAll, {});
    const ArtId c = New(kPathArt, kPlaceBelowAll, {});
    EXPECT_EQ(Children(doc, Group()), (std::vector<ArtId>{b, a, c}));
}

TEST_F(DocumentTree, InsertLayerAboveAllBecomesIndexZero) {
    LayerId top, below;
    ASSERT_EQ(doc.InsertLayer({}, kPlaceAboveAll, &top), kNoErr);
    ASSERT_EQ(doc.InsertLayer(top, kPlaceBelow, &below), kNoErr);
    EXPECT_EQ(doc.NthLayer(0), top);
    EXPECT_EQ(doc.NthLayer(1), below);
    EXPECT_EQ(doc.NthLayer(2), layer);
    EXPECT_EQ(doc.NextLayer(layer), LayerId{});
    EXPECT_FALSE(doc.NthLayer(3));
    EXPECT_FALSE(doc.NthLayer(-1));
}

TEST_F(DocumentTree, DeadIdsAreRefusedEverywhere) {
    const ArtId g = New(kGroupArt, kPlaceAboveAll, {});
    const ArtId inner = New(kPathArt, kPlaceInsideOnTop, g);
    ASSERT_EQ(doc.Dispose(g), kNoErr);
    EXPECT_FALSE(doc.Contains(g));
    EXPECT_FALSE(doc.Contains(inner));  // the whole subtree dies
    ArtId out;
    EXPECT_EQ(doc.Dispose(inner), kDeadHandleErr);
    EXPECT_EQ(doc.NewArt(kPathArt, kPlaceAbove, inner, &out), kDeadHandleErr);
    EXPECT_EQ(doc.Duplicate(g, kPlaceAboveAll, {}, &out), kDeadHandleErr);
    EXPECT_EQ(doc.Reorder(inner, kPlaceAboveAll, {}), kDeadHandleErr);
    AIRealRect r;
    EXPECT_EQ(doc.Bounds(inner, nullptr, &r), kDeadHandleErr);
    // A reused slot gets a new generation, so the old id stays dead.
    const ArtId reused = New(kPathArt, kPlaceAboveAll, {});
    EXPECT_TRUE(doc.Contains(reused));
    EXPECT_FALSE(doc.Contains(g));
    EXPECT_FALSE(doc.Contains(inner));
}

TEST_F(DocumentTree, LayerGroupsCannotBeMovedCopiedOrDisposed) {
    ArtId out;
    EXPECT_EQ(doc.Dispose(Group()), kLayerGroupErr);
    EXPECT_EQ(doc.Duplicate(Group(), kPlaceAboveAll, {}, &out), kLayerGroupErr);
    EXPECT_EQ(doc.NewArt(kPathArt, kPlaceAbove, Group(), &out), kLayerGroupErr);
    const ArtId path = New(kPathArt, kPlaceAboveAll, {});
    EXPECT_EQ(doc.NewArt(kPathArt, kPlaceInsideOnTop, path, &out), kWrongKindErr);
}

TEST_F(DocumentTree, ReorderRefusesCyclesAndLeavesTheTreeAlone) {
    const ArtId outer = New(kGroupArt, kPlaceAboveAll, {});
    const ArtId inner = New(kGroupArt, kPlaceInsideOnTop, outer);
    EXPECT_EQ(doc.Reorder(outer, kPlaceInsideOnTop, inner), kCycleErr);
    EXPECT_EQ(doc.Reorder(outer, kPlaceAbove, outer), kCycleErr);
    const ArtId path = New(kPathArt, kPlaceAboveAll, {});
    EXPECT_EQ(doc.Reorder(outer, kPlaceInsideOnTop, path), kWrongKindErr);
    EXPECT_EQ(Children(doc, Group()), (std::vector<ArtId>{path, outer}));
    EXPECT_EQ(Children(doc, outer), (std::vector<ArtId>{inner}));
}

TEST_F(DocumentTree, EditArtStaysWithItsOwner) {
    const ArtId plugin = New(kPluginArt, kPlaceAboveAll, {});
    ArtId edit;
    ASSERT_EQ(doc.NewDetachedGroup(&edit), kNoErr);
    doc.Find(plugin)->editArt = edit;
    const ArtId inside = New(kPathArt, kPlaceInsideOnTop, edit);
    EXPECT_EQ(doc.Reorder(edit, kPlaceAboveAll, {}), kWrongKindErr);
    EXPECT_EQ(Children(doc, Group()), (std::vector<ArtId>{plugin}));
    ASSERT_EQ(doc.Dispose(plugin), kNoErr);
    EXPECT_FALSE(doc.Contains(edit));
    EXPECT_FALSE(doc.Contains(inside));
}

TEST_F(DocumentTree, DuplicateIsDeepAndIndependent) {
    const ArtId g = New(kGroupArt, kPlaceAboveAll, {});
    const ArtId p = New(kPathArt, kPlaceInsideOnTop, g);
    doc.Find(p)->segments = {{{1, 2}, {1, 2}, {1, 2}, 1}, {{3, 4}, {3, 4}, {3, 4}, 1}};
    ArtId copy;
    ASSERT_EQ(doc.Duplicate(g, kPlaceBelow, g, &copy), kNoErr);
    EXPECT_EQ(Children(doc, Group()), (std::vector<ArtId>{g, copy}));
    const ArtId pc = doc.Find(copy)->firstChild;
    ASSERT_TRUE(pc);
    EXPECT_NE(pc, p);
    EXPECT_EQ(doc.Find(pc)->segments.size(), 2u);
    doc.Find(pc)->segments.clear();
    EXPECT_EQ(doc.Find(p)->segments.size(), 2u);
    ASSERT_EQ(doc.Dispose(copy), kNoErr);
    EXPECT_TRUE(doc.Contains(p));
}

// Styles and details are kept once for objects that hold them alike; changing one object's must leave the others'.
TEST_F(DocumentTree, SharedStylesAndDetailsChangeOnlyTheObjectChanged) {
    const ArtId a = New(kPathArt, kPlaceAboveAll, {});
    const ArtId b = New(kPathArt, kPlaceAboveAll, {});
    EXPECT_TRUE(doc.Find(a)->style.SharesWith(doc.Find(b)->style));
    AIPathStyle red = doc.currentStyle;
    red.fill.color.kind = kThreeColor;
    red.fill.color.c.rgb = {1, 0, 0};
    ASSERT_EQ(doc.SetPathStyle(b, red), kNoErr);
    AIPathStyle got;
    ASSERT_EQ(doc.GetPathStyle(a, &got), kNoErr);
    EXPECT_EQ(std::memcmp(&got, &doc.currentStyle, sizeof got), 0);
    ASSERT_EQ(doc.GetPathStyle(b, &got), kNoErr);
    EXPECT_EQ(std::memcmp(&got, &red, sizeof got), 0);

    const ArtId placed = New(kPlacedArt, kPlaceAboveAll, {});
    doc.Find(placed)->details.Edit().linkedFile = "a.png";
    ArtId copy;
    ASSERT_EQ(doc.Duplicate(b, kPlaceAboveAll, {}, &copy), kNoErr);
    doc.Find(copy)->style.Edit().stroke.width = 9;
    ASSERT_EQ(doc.GetPathStyle(b, &got), kNoErr);
    EXPECT_EQ(got.stroke.width, red.stroke.width);
    ASSERT_EQ(doc.Duplicate(placed, kPlaceAboveAll, {}, &copy), kNoErr);
    doc.Find(copy)->details.Edit().linkedFile = "b.png";
    EXPECT_EQ(doc.Find(placed)->details->linkedFile, "a.png");
    EXPECT_EQ(doc.Find(copy)->details->linkedFile, "b.png");
    EXPECT_EQ(doc.Find(a)->details->linkedFile, "");  // never given details: reads the empty ones
}

TEST_F(DocumentTree, ManyInsertionsAtOnePlaceKeepTheirOrder) {
    // Repeated insertion between the same two neighbours exhausts the gap between their keys.
    const ArtId back = New(kPathArt, kPlaceAboveAll, {});
    std::vector<ArtId> expected{back};
    ArtId ref = back;
    for (int i = 0; i < 100; ++i) {
        ref = New(kPathArt, kPlaceAbove, ref);
        expected.insert(expected.begin(), ref);
    }
    EXPECT_EQ(Children(doc, Group()), expected);
    for (ArtId id : expected)
        ASSERT_EQ(doc.SetUserAttr(id, kArtSelected, kArtSelected), kNoErr);
    std::vector<ArtId> selection = doc.ListSelection();
    ASSERT_EQ(selection.size(), expected.size() + 1);
    EXPECT_EQ(std::vector<ArtId>(selection.begin() + 1, selection.end()), expected);
}

TEST_F(DocumentTree, DeletingALayerKillsItsArtAndMovesTheCurrentLayer) {
    LayerId second;
    ASSERT_EQ(doc.InsertLayer(layer, kPlaceBelow, &second), kNoErr);
    const ArtId p = New(kPathArt, kPlaceAboveAll, {});
    EXPECT_TRUE(doc.LayerHasArt(layer));
    EXPECT_FALSE(doc.LayerHasArt(second));
    ASSERT_EQ(doc.DeleteLayer(layer), kNoErr);
    EXPECT_FALSE(doc.Contains(p));
    EXPECT_EQ(doc.CountLayers(), 1);
    EXPECT_EQ(doc.CurrentLayer(), second);
    EXPECT_EQ(doc.DeleteLayer(layer), kDeadHandleErr);
}

}  // namespace
}  // namespace headless
