// The art, path and group suites over the document: paint orders, the tree, dead handles, bounds and paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/suites/ArtPermissions.h"
#include "plugin/sdk/AIGroup.h"
#include "plugin/sdk/AIPath.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostTest;

class ArtSuites : public HostTest {
protected:
    const AIArtSuite* art = Acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const AIPathSuite* path = Acquire<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    const AIGroupSuite* group = Acquire<AIGroupSuite>(kAIGroupSuite, kAIGroupSuiteVersion);

    // The children of a container, front to back, read through the suite.
    std::vector<AIArtHandle> Children(AIArtHandle parent) {
        std::vector<AIArtHandle> out;
        AIArtHandle c = nullptr;
        EXPECT_EQ(art->GetArtFirstChild(parent, &c), kNoErr);
        while (c) {
            out.push_back(c);
            EXPECT_EQ(art->GetArtSibling(c, &c), kNoErr);
        }
        return out;
    }
    AIArtHandle LayerGroup() { return H(doc.FindLayer(layer)->group); }
};

TEST_F(ArtSuites, NewArtAndMovesFollowThePaintOrder) {
    AIArtHandle a, b, c, g, inner, bottom;
    // Without a reference: the top of the current layer, or its bottom for the "below" orders.
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceAbove, nullptr, &a), kNoErr);
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &b), kNoErr);
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceBelow, nullptr, &bottom), kNoErr);
    EXPECT_EQ(Children(LayerGroup()), (std::vector{b, a, bottom}));
    // Relative to a reference.
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceBelow, b, &c), kNoErr);
    ASSERT_EQ(art->NewArt(kGroupArt, kPlaceAbove, b, &g), kNoErr);
    EXPECT_EQ(Children(LayerGroup()), (std::vector{g, b, c, a, bottom}));
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, g, &inner), kNoErr);
    ASSERT_EQ(art->ReorderArt(a, kPlaceInsideOnBottom, g), kNoErr);
    ASSERT_EQ(art->ReorderArt(bottom, kPlaceInsideOnTop, g), kNoErr);
    EXPECT_EQ(Children(g), (std::vector{bottom, inner, a}));
    ASSERT_EQ(art->ReorderArt(c, kPlaceAboveAll, inner), kNoErr);  // to the top of inner's layer
    EXPECT_EQ(Children(LayerGroup()), (std::vector{c, g, b}));

    // Refused moves leave the tree as it was: into its own subtree, inside a path, a bad order, a bad type.
    EXPECT_EQ(art->ReorderArt(g, kPlaceInsideOnTop, inner), kCycleErr);
    EXPECT_EQ(art->ReorderArt(b, kPlaceInsideOnTop, inner), kWrongKindErr);
    EXPECT_EQ(art->ReorderArt(b, 9, c), kBadParameterErr);
    EXPECT_EQ(art->ReorderArt(LayerGroup(), kPlaceAbove, c), kLayerGroupErr);
    AIArtHandle none = b;
    EXPECT_EQ(art->NewArt(kForeignArt, kPlaceAbove, nullptr, &none), kBadParameterErr);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(Children(LayerGroup()), (std::vector{c, g, b}));
    EXPECT_EQ(Children(g), (std::vector{bottom, inner, a}));
}

TEST_F(ArtSuites, DuplicateIsADeepCopyPlacedByPaintOrder) {
    const ArtId g = AddGroup();
    const ArtId member = AddPath({{0, 0}, {10, 0}, {10, 10}}, true, g, kPlaceInsideOnTop);
    doc.Find(member)->style.Edit().fill.color.c.g.gray = 0.25;
    AIArtHandle copy;
    ASSERT_EQ(art->DuplicateArt(H(g), kPlaceBelow, H(g), &copy), kNoErr);
    EXPECT_EQ(Children(LayerGroup()), (std::vector{H(g), copy}));
    const std::vector<AIArtHandle> copied = Children(copy);
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_NE(copied[0], H(member));
    const Art& c = ArtOf(copied[0]);
    EXPECT_EQ(c.segments.size(), 3u);
    EXPECT_TRUE(c.closed);
    EXPECT_EQ(c.style->fill.color.c.g.gray, 0.25);
    // The copy is independent: disposing the original leaves it whole.
    ASSERT_EQ(art->DisposeArt(H(g)), kNoErr);
    EXPECT_EQ(Children(copy).size(), 1u);
    AIArtHandle out = copy;
    EXPECT_EQ(art->DuplicateArt(LayerGroup(), kPlaceAbove, copy, &out), kLayerGroupErr);
    EXPECT_EQ(out, nullptr);
}

TEST_F(ArtSuites, DisposedSubtreesAndForeignHandlesAreRefused) {
    const ArtId g = AddGroup();
    const ArtId inner = AddGroup(g, kPlaceInsideOnTop);
    const ArtId leaf = AddRect(0, 1, 1, 0, inner, kPlaceInsideOnTop);
    const AIArtHandle leafHandle = H(leaf), innerHandle = H(inner);
    ASSERT_EQ(art->DisposeArt(H(g)), kNoErr);
    ASInt16 type = -1;
    EXPECT_EQ(art->GetArtType(leafHandle, &type), kDeadHandleErr);
    EXPECT_EQ(art->DisposeArt(innerHandle), kDeadHandleErr);
    AIArtHandle parent = LayerGroup();
    EXPECT_EQ(art->GetArtParent(leafHandle, &parent), kDeadHandleErr);
    EXPECT_EQ(parent, nullptr);
    AIRealRect r;
    EXPECT_EQ(art->GetArtBounds(leafHandle, &r), kDeadHandleErr);
    EXPECT_EQ(art->ReorderArt(H(AddRect(0, 1, 1, 0)), kPlaceAbove, leafHandle), kDeadHandleErr);
    ASInt16 count;
    EXPECT_EQ(path->GetPathSegmentCount(leafHandle, &count), kDeadHandleErr);
    EXPECT_EQ(art->DisposeArt(LayerGroup()), kLayerGroupErr);
    EXPECT_EQ(art->GetArtType(H(AddGroup()), nullptr), kBadParameterErr);
}

// What the user has locked or hidden, itself or through its layer, cannot be taken away; the flags of a group do
// not protect its members, nor do members' flags protect their group, since the module deletes both.
TEST_F(ArtSuites, DisposeRefusesWhatTheUserLockedOrHid) {
    const ArtId lockedGroup = AddGroup();
    const ArtId freeMember = AddRect(0, 10, 10, 0, lockedGroup, kPlaceInsideOnTop);
    ASSERT_EQ(doc.SetUserAttr(lockedGroup, kArtLocked, kArtLocked), kNoErr);
    const ArtId openGroup = AddGroup();
    const ArtId hiddenMember = AddRect(0, 10, 10, 0, openGroup, kPlaceInsideOnTop);
    ASSERT_EQ(doc.SetUserAttr(hiddenMember, kArtHidden, kArtHidden), kNoErr);
    const ArtId locked = AddRect(0, 10, 10, 0);
    ASSERT_EQ(doc.SetUserAttr(locked, kArtLocked, kArtLocked), kNoErr);
    const LayerId lockedLayer = AddLayer("locked"), hiddenLayer = AddLayer("hidden");
    const ArtId onLocked = AddRect(0, 10, 10, 0, doc.FindLayer(lockedLayer)->group, kPlaceInsideOnTop);
    const ArtId onHidden = AddRect(0, 10, 10, 0, doc.FindLayer(hiddenLayer)->group, kPlaceInsideOnTop);
    doc.FindLayer(lockedLayer)->editable = false;
    doc.FindLayer(hiddenLayer)->visible = false;

    const std::size_t before = doc.ArtCount();
    EXPECT_EQ(art->DisposeArt(H(locked)), kArtLockedErr);
    EXPECT_EQ(art->DisposeArt(H(hiddenMember)), kArtHiddenErr);
    EXPECT_EQ(art->DisposeArt(H(onLocked)), kArtLockedErr);
    EXPECT_EQ(art->DisposeArt(H(onHidden)), kArtHiddenErr);
    EXPECT_EQ(doc.ArtCount(), before);

    EXPECT_EQ(art->DisposeArt(H(freeMember)), kNoErr);
    EXPECT_EQ(art->DisposeArt(H(openGroup)), kNoErr);
    EXPECT_FALSE(doc.Contains(hiddenMember));
    // Unlocked by the module first, as it does before clearing its work layer, the art goes.
    ASSERT_EQ(doc.SetUserAttr(locked, kArtLocked, 0), kNoErr);
    EXPECT_EQ(art->DisposeArt(H(locked)), kNoErr);
}

// The log keeps what the module passed: the handle it disposed, and the values of a move.
TEST_F(ArtSuites, TheCallLogShowsTheArguments) {
    const ArtId a = AddRect(0, 10, 10, 0), b = AddRect(0, 10, 10, 0);
    ASSERT_EQ(art->ReorderArt(H(a), kPlaceBelow, H(b)), kNoErr);
    ASSERT_EQ(art->DisposeArt(H(a)), kNoErr);
    EXPECT_EQ(app.calls.ArgumentsOf("AIArtSuite::DisposeArt"), std::vector{DescribeArguments(H(a))});
    const std::vector<std::string> moves = app.calls.ArgumentsOf("AIArtSuite::ReorderArt");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], DescribeArguments(H(a)) + ", " + std::to_string(kPlaceBelow) + ", " + DescribeArguments(H(b)));
    EXPECT_EQ(art->DisposeArt(nullptr), kBadParameterErr);
    EXPECT_EQ(app.calls.ArgumentsOf("AIArtSuite::DisposeArt").back(), "null");
}

TEST_F(ArtSuites, TreeNavigationLayersAndAttributes) {
    const ArtId back = AddRect(0, 1, 1, 0);
    const ArtId front = AddRect(0, 1, 1, 0);
    AIArtHandle h;
    EXPECT_EQ(art->GetArtPriorSibling(H(back), &h), kNoErr);
    EXPECT_EQ(h, H(front));
    EXPECT_EQ(art->GetArtPriorSibling(H(front), &h), kNoErr);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(art->GetArtParent(H(front), &h), kNoErr);
    EXPECT_EQ(h, LayerGroup());
    EXPECT_EQ(art->GetArtParent(LayerGroup(), &h), kNoErr);
    EXPECT_EQ(h, nullptr);
    AIArtHandle first;
    EXPECT_EQ(art->GetFirstArtOfLayer(H(layer), &first), kNoErr);
    EXPECT_EQ(first, LayerGroup());
    AILayerHandle l;
    EXPECT_EQ(art->GetLayerOfArt(H(back), &l), kNoErr);
    EXPECT_EQ(l, H(layer));
    AIBoolean isLayerGroup = -1;
    EXPECT_EQ(art->IsArtLayerGroup(LayerGroup(), &isLayerGroup), kNoErr);
    EXPECT_EQ(isLayerGroup, 1);
    EXPECT_EQ(art->IsArtLayerGroup(H(back), &isLayerGroup), kNoErr);
    EXPECT_EQ(isLayerGroup, 0);

    ASSERT_EQ(art->SetArtUserAttr(H(back), kArtLocked | kArtHidden, kArtLocked | kArtSelected), kNoErr);
    ASInt32 attr = -1;
    EXPECT_EQ(art->GetArtUserAttr(H(back), kArtLocked | kArtHidden | kArtSelected, &attr), kNoErr);
    EXPECT_EQ(attr, kArtLocked);  // the selected bit was outside the mask
    ASSERT_EQ(art->SetArtUserAttr(H(back), kArtSelected, kArtSelected), kNoErr);
    EXPECT_EQ(art->GetArtUserAttr(H(back), kArtHidden, &attr), kNoErr);
    EXPECT_EQ(attr, 0);
    EXPECT_EQ(doc.ListSelection(), (std::vector<ArtId>{doc.FindLayer(layer)->group, back}));
}

TEST_F(ArtSuites, BoundsOfCurvesAreExactAndContainersUniteTheirMembers) {
    // One cubic from (0, 0) to (10, 0) with both handles at height 10: its top is at 7.5, not 10.
    const ArtId arc = AddPath({{0, 0}, {10, 0}}, false);
    Art& a = *doc.Find(arc);
    a.segments[0].out = {0, 10};
    a.segments[1].in = {10, 10};
    AIRealRect r;
    ASSERT_EQ(art->GetArtBounds(H(arc), &r), kNoErr);
    EXPECT_DOUBLE_EQ(r.top, 7.5);
    EXPECT_DOUBLE_EQ(r.bottom, 0);
    EXPECT_DOUBLE_EQ(r.left, 0);
    EXPECT_DOUBLE_EQ(r.right, 10);
    ASSERT_EQ(art->GetArtTransformBounds(H(arc), nullptr, kControlBounds, &r), kNoErr);
    EXPECT_DOUBLE_EQ(r.top, 10);
    const AIRealMatrix twice{2, 0, 0, 2, 5, 0};
    ASSERT_EQ(art->GetArtTransformBounds(H(arc), &twice, 0, &r), kNoErr);
    EXPECT_DOUBLE_EQ(r.top, 15);
    EXPECT_DOUBLE_EQ(r.left, 5);
    EXPECT_DOUBLE_EQ(r.right, 25);
    doc.Find(arc)->style.Edit().stroke.width = 4;
    ASSERT_EQ(art->GetArtTransformBounds(H(arc), nullptr, kVisibleBounds, &r), kNoErr);
    EXPECT_DOUBLE_EQ(r.top, 9.5);
    ASSERT_EQ(art->GetArtTransformBounds(H(arc), nullptr, kVisibleBounds | kNoStrokeBounds, &r), kNoErr);
    EXPECT_DOUBLE_EQ(r.top, 7.5);

    const ArtId g = AddGroup();
    AddRect(-5, 2, -1, -3, g, kPlaceInsideOnTop);
    AddRect(20, 30, 21, 29, g, kPlaceInsideOnTop);
    AddGroup(g, kPlaceInsideOnTop);  // empty: adds nothing
    ASSERT_EQ(art->GetArtBounds(H(g), &r), kNoErr);
    EXPECT_EQ(std::vector<AIReal>({r.left, r.top, r.right, r.bottom}), std::vector<AIReal>({-5, 30, 21, -3}));
    ASSERT_EQ(art->GetArtBounds(H(AddGroup()), &r), kNoErr);
    EXPECT_EQ(std::vector<AIReal>({r.left, r.top, r.right, r.bottom}), std::vector<AIReal>({0, 0, 0, 0}));
}

TEST_F(ArtSuites, PathSegmentsAreRangeCheckedAndMayBeAppended) {
    AIArtHandle p;
    ASSERT_EQ(art->NewArt(kPathArt, kPlaceAbove, nullptr, &p), kNoErr);
    const AIPathSegment segs[3] = {{{0, 0}, {0, 0}, {1, 1}, 1}, {{10, 0}, {9, 1}, {10, 0}, 0}, {{10, 10}, {}, {}, 1}};
    EXPECT_EQ(path->SetPathSegments(p, 1, 1, segs), kOutOfRangeErr);  // past the end of an empty path
    ASSERT_EQ(path->SetPathSegments(p, 0, 2, segs), kNoErr);
    ASSERT_EQ(path->SetPathSegments(p, 2, 1, segs + 2), kNoErr);  // appends
    ASInt16 count = 0;
    ASSERT_EQ(path->GetPathSegmentCount(p, &count), kNoErr);
    EXPECT_EQ(count, 3);
    AIPathSegment read[3];
    EXPECT_EQ(path->GetPathSegments(p, 1, 3, read), kOutOfRangeErr);
    EXPECT_EQ(path->GetPathSegments(p, -1, 1, read), kBadParameterErr);
    EXPECT_EQ(path->GetPathSegments(p, 0, 1, nullptr), kBadParameterErr);
    EXPECT_EQ(path->DeletePathSegments(p, 2, 2), kOutOfRangeErr);

    ASSERT_EQ(path->ReversePathSegments(p), kNoErr);
    ASSERT_EQ(path->GetPathSegments(p, 0, 3, read), kNoErr);
    EXPECT_EQ(read[0].p.v, 10);
    EXPECT_EQ(read[1].in.h, 10);  // the old out handle
    EXPECT_EQ(read[1].out.h, 9);
    EXPECT_EQ(read[2].in.h, 1);
    ASSERT_EQ(path->DeletePathSegments(p, 0, 2), kNoErr);
    ASSERT_EQ(path->GetPathSegmentCount(p, &count), kNoErr);
    EXPECT_EQ(count, 1);

    AIBoolean flag = -1;
    ASSERT_EQ(path->SetPathClosed(p, 7), kNoErr);
    ASSERT_EQ(path->GetPathClosed(p, &flag), kNoErr);
    EXPECT_EQ(flag, 1);
    ASSERT_EQ(path->SetPathGuide(p, 1), kNoErr);
    ASSERT_EQ(path->GetPathGuide(p, &flag), kNoErr);
    EXPECT_EQ(flag, 1);
    const ArtId g = AddGroup();
    EXPECT_EQ(path->GetPathSegmentCount(H(g), &count), kWrongKindErr);
    EXPECT_EQ(path->ReversePathSegments(H(g)), kWrongKindErr);
}

TEST_F(ArtSuites, PathAreaIsPositiveCounterClockwise) {
    AIReal area = 0;
    const ArtId ccw = AddPath({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, true);
    ASSERT_EQ(path->GetPathArea(H(ccw), &area), kNoErr);
    EXPECT_DOUBLE_EQ(area, 50);
    ASSERT_EQ(path->ReversePathSegments(H(ccw)), kNoErr);
    ASSERT_EQ(path->GetPathArea(H(ccw), &area), kNoErr);
    EXPECT_DOUBLE_EQ(area, -50);
    // An open path is measured as if closed.
    const ArtId open = AddPath({{0, 0}, {4, 0}, {4, 4}}, false);
    ASSERT_EQ(path->GetPathArea(H(open), &area), kNoErr);
    EXPECT_DOUBLE_EQ(area, 8);
}

TEST_F(ArtSuites, GroupsCarryTheClippedFlag) {
    const ArtId g = AddGroup();
    AIBoolean clipped = -1;
    ASSERT_EQ(group->GetGroupClipped(H(g), &clipped), kNoErr);
    EXPECT_EQ(clipped, 0);
    ASSERT_EQ(group->SetGroupClipped(H(g), 1), kNoErr);
    ASSERT_EQ(group->GetGroupClipped(H(g), &clipped), kNoErr);
    EXPECT_EQ(clipped, 1);
    EXPECT_EQ(group->SetGroupClipped(H(AddRect(0, 1, 1, 0)), 1), kWrongKindErr);
}

}  // namespace
}  // namespace headless
