// Attributes over subtrees and emptying a layer whatever the state of the layer and its objects.
#include <gtest/gtest.h>

#include "plugin/geometry/ArtTree.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

class ArtTree : public GeometryTest {
protected:
    // A work layer above the document's layer, holding a group with a path and a nested group of two paths, and
    // a path behind the group.
    ArtTree() : work(AddLayer("Work", kPlaceAboveAll)) {
        EXPECT_EQ(doc.SetCurrentLayer(work), kNoErr);
        behind = AddRect(0, 10, 10, 0);
        group = AddGroup();
        AddRect(20, 30, 30, 20, group, kPlaceInsideOnTop);
        nested = AddGroup(group, kPlaceInsideOnBottom);
        AddRect(40, 50, 50, 40, nested, kPlaceInsideOnTop);
        AddRect(60, 70, 70, 60, nested, kPlaceInsideOnTop);
        front = AddRect(80, 90, 90, 80);
        EXPECT_EQ(doc.SetCurrentLayer(layer), kNoErr);
        outside = AddRect(0, 10, 10, 0);
    }

    std::vector<ArtId> Subtree(ArtId root) {
        std::vector<ArtId> all{root};
        for (ArtId c : Children(doc, root)) {
            const std::vector<ArtId> below = Subtree(c);
            all.insert(all.end(), below.begin(), below.end());
        }
        return all;
    }
    bool Has(ArtId id, std::int32_t attr) { return (doc.Find(id)->userAttrs & attr) != 0; }

    LayerId work;
    ArtId behind, group, nested, front, outside;
};

TEST_F(ArtTree, WithoutSiblingsTheWorkGroupAndExactlyItsSubtreeAreSelected) {
    ASSERT_EQ(SetArtTreeAttr(H(GroupOf(work)), kArtSelected | kArtLocked | kArtHidden, kArtSelected, false), kNoErr);
    EXPECT_EQ(doc.ListSelection(), Subtree(GroupOf(work)));
    EXPECT_FALSE(Has(outside, kArtSelected));
    EXPECT_FALSE(Has(GroupOf(layer), kArtSelected));
}

TEST_F(ArtTree, SiblingsBehindAreFollowedOnlyWhenAsked) {
    ASSERT_EQ(SetArtTreeAttr(H(group), kArtSelected, kArtSelected, false), kNoErr);
    EXPECT_EQ(doc.ListSelection().size(), 1 + Subtree(group).size());  // the work group comes first
    EXPECT_FALSE(Has(front, kArtSelected));
    EXPECT_FALSE(Has(behind, kArtSelected));

    ASSERT_EQ(SetArtTreeAttr(H(group), kArtSelected, kArtSelected, true), kNoErr);
    EXPECT_TRUE(Has(behind, kArtSelected));
    EXPECT_FALSE(Has(front, kArtSelected));
    // Clearing goes down the same way and leaves other bits alone.
    ASSERT_EQ(doc.SetUserAttr(behind, kArtLocked, kArtLocked), kNoErr);
    ASSERT_EQ(SetArtTreeAttr(H(front), kArtSelected, 0, true), kNoErr);
    EXPECT_TRUE(doc.ListSelection().empty());
    EXPECT_TRUE(Has(behind, kArtLocked));
}

TEST_F(ArtTree, TheFirstRefusalEndsTheWalk) {
    app.faults.FailCall("AIArtSuite::SetArtUserAttr", FourCharErr("BAD!"), 3);
    EXPECT_EQ(SetArtTreeAttr(H(group), kArtSelected, kArtSelected, true), FourCharErr("BAD!"));
    EXPECT_EQ(app.calls.Count("AIArtSuite::SetArtUserAttr"), 3u);
    EXPECT_FALSE(Has(behind, kArtSelected));
}

TEST_F(ArtTree, ClearingALockedHiddenLayerDeletesEverythingAndRestoresItsFlags) {
    headless::Layer& l = *doc.FindLayer(work);
    l.editable = false;
    l.visible = false;
    ASSERT_EQ(doc.SetUserAttr(group, kArtLocked, kArtLocked), kNoErr);
    for (ArtId member : Subtree(nested))
        ASSERT_EQ(doc.SetUserAttr(member, kArtHidden, kArtHidden), kNoErr);
    const ArtId workGroup = GroupOf(work);

    ASSERT_EQ(ClearLayerArt(H(work)), kNoErr);
    EXPECT_TRUE(doc.Contains(workGroup));
    EXPECT_TRUE(Children(doc, workGroup).empty());
    EXPECT_FALSE(l.editable);
    EXPECT_FALSE(l.visible);
    // Each object was unlocked and shown, with its contents, before it went.
    EXPECT_EQ(app.calls.Count("AIArtSuite::DisposeArt"), 3u);
    EXPECT_EQ(app.calls.Count("AILayerSuite::SetLayerEditable"), 2u);
    EXPECT_TRUE(doc.Contains(outside));
}

TEST_F(ArtTree, ClearingAnEmptyLayerAnswersZeroAndOnlyTouchesTheFlags) {
    const LayerId empty = AddLayer("Empty");
    doc.FindLayer(empty)->editable = false;
    const std::size_t mark = Mark();
    EXPECT_EQ(ClearLayerArt(H(empty)), kNoErr);
    EXPECT_FALSE(doc.FindLayer(empty)->editable);
    EXPECT_TRUE(doc.FindLayer(empty)->visible);
    EXPECT_TRUE(CallsSince(mark, "AIArtSuite::DisposeArt").empty());
    EXPECT_TRUE(CallsSince(mark, "AIArtSuite::SetArtUserAttr").empty());
}

TEST_F(ArtTree, AFailedDeletionStopsButStillRestoresTheFlags) {
    doc.FindLayer(work)->visible = false;
    app.faults.FailCall("AIArtSuite::DisposeArt", FourCharErr("BAD!"), 2);
    EXPECT_EQ(ClearLayerArt(H(work)), FourCharErr("BAD!"));
    EXPECT_FALSE(doc.FindLayer(work)->visible);
    EXPECT_FALSE(doc.Contains(front));
    EXPECT_TRUE(doc.Contains(group));
    EXPECT_TRUE(doc.Contains(behind));
}

}  // namespace
}  // namespace trimora::testing
