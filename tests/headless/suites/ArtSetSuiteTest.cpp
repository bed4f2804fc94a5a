// Art sets in document order, art styles shared by appearance, and plug-in groups.
#include <gtest/gtest.h>

#include "plugin/sdk/AIArtSet.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AIPluginGroup.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostTest;

class ArtSetSuite : public HostTest {
protected:
    const AIArtSetSuite* sets = Acquire<AIArtSetSuite>(kAIArtSetSuite, kAIArtSetSuiteVersion);

    // The handles of a set, read through the suite; the set is disposed afterwards.
    std::vector<AIArtHandle> Read(AIArtSet set) {
        std::size_t n = 0;
        EXPECT_EQ(sets->CountArtSet(set, &n), kNoErr);
        std::vector<AIArtHandle> out(n);
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_EQ(sets->IndexArtSet(set, i, &out[i]), kNoErr);
        EXPECT_EQ(sets->DisposeArtSet(&set), kNoErr);
        EXPECT_EQ(set, nullptr);
        return out;
    }
    std::vector<AIArtHandle> Selection() {
        AIArtSet set;
        EXPECT_EQ(sets->NewArtSet(&set), kNoErr);
        EXPECT_EQ(sets->SelectedArtSet(set), kNoErr);
        return Read(set);
    }
    std::vector<AIArtHandle> LayerArt(LayerId l) {
        AIArtSet set;
        EXPECT_EQ(sets->NewArtSet(&set), kNoErr);
        EXPECT_EQ(sets->LayerArtSet(H(l), set), kNoErr);
        return Read(set);
    }
    AIArtHandle LayerGroup(LayerId l) { return H(doc.FindLayer(l)->group); }
};

TEST_F(ArtSetSuite, ALayerListsItsGroupThenEveryObjectContainersFirst) {
    const ArtId back = AddRect(0, 1, 1, 0);
    const ArtId g = AddGroup();
    const ArtId inner = AddGroup(g, kPlaceInsideOnTop);
    const ArtId deep = AddRect(0, 1, 1, 0, inner, kPlaceInsideOnTop);
    const ArtId behindInner = AddRect(0, 1, 1, 0, g, kPlaceInsideOnBottom);
    EXPECT_EQ(LayerArt(layer), (std::vector{LayerGroup(layer), H(g), H(inner), H(deep), H(behindInner), H(back)}));
    const LayerId empty = AddLayer("empty");
    EXPECT_EQ(LayerArt(empty), (std::vector{LayerGroup(empty)}));
}

TEST_F(ArtSetSuite, TheSelectionListsContainersOnTheWayTopDown) {
    EXPECT_TRUE(Selection().empty());
    const ArtId path = AddRect(0, 1, 1, 0);
    Select(path);
    EXPECT_EQ(Selection(), (std::vector{LayerGroup(layer), H(path)}));

    // A nested path brings its groups; objects of a lower layer come after; the front path stays first.
    const ArtId g = AddGroup(path, kPlaceBelow);
    const ArtId inner = AddGroup(g, kPlaceInsideOnTop);
    const ArtId deep = AddRect(0, 1, 1, 0, inner, kPlaceInsideOnTop);
    const LayerId lower = AddLayer("lower");
    ASSERT_EQ(doc.SetCurrentLayer(lower), kNoErr);
    const ArtId below = AddRect(0, 1, 1, 0);
    Select(below);
    Select(deep);
    EXPECT_EQ(Selection(),
              (std::vector{LayerGroup(layer), H(path), H(g), H(inner), H(deep), LayerGroup(lower), H(below)}));
}

TEST_F(ArtSetSuite, SetsAreSnapshotsAndRefuseBadIndexesAndDeadHandles) {
    const ArtId path = AddRect(0, 1, 1, 0);
    Select(path);
    AIArtSet set;
    ASSERT_EQ(sets->NewArtSet(&set), kNoErr);
    ASSERT_EQ(sets->SelectedArtSet(set), kNoErr);
    Select(AddRect(0, 1, 1, 0));  // later changes do not reach the set
    std::size_t n = 0;
    ASSERT_EQ(sets->CountArtSet(set, &n), kNoErr);
    EXPECT_EQ(n, 2u);
    AIArtHandle art = H(path);
    EXPECT_EQ(sets->IndexArtSet(set, 2, &art), kOutOfRangeErr);
    EXPECT_EQ(art, nullptr);
    EXPECT_EQ(sets->LayerArtSet(nullptr, set), kBadParameterErr);
    AIArtSet stale = set;
    ASSERT_EQ(sets->DisposeArtSet(&set), kNoErr);
    EXPECT_EQ(sets->CountArtSet(stale, &n), kDeadHandleErr);
    EXPECT_EQ(sets->DisposeArtSet(&stale), kDeadHandleErr);
    EXPECT_EQ(sets->DisposeArtSet(&set), kNoErr);  // null: nothing to do
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

class ArtStyleSuite : public HostTest {
protected:
    const AIArtStyleSuite* styles = Acquire<AIArtStyleSuite>(kAIArtStyleSuite, kAIArtStyleSuiteVersion);
};

TEST_F(ArtStyleSuite, TheSameAppearanceGivesTheSameHandle) {
    const ArtId a = AddRect(0, 1, 1, 0), b = AddRect(5, 6, 6, 5);
    AIArtStyleHandle sa, sb;
    ASSERT_EQ(styles->GetArtStyle(H(a), &sa), kNoErr);
    ASSERT_EQ(styles->GetArtStyle(H(b), &sb), kNoErr);
    EXPECT_NE(sa, nullptr);
    EXPECT_EQ(sa, sb);
    doc.Find(b)->carried.attributes.Edit()["opacity"] = "0.5";
    ASSERT_EQ(styles->GetArtStyle(H(b), &sb), kNoErr);
    EXPECT_NE(sa, sb);
    AIArtStyleHandle none = sa;
    ASSERT_EQ(styles->GetArtStyle(H(AddGroup()), &none), kNoErr);
    EXPECT_EQ(none, nullptr);  // a group has no appearance of its own
}

TEST_F(ArtStyleSuite, SetArtStyleRestoresStyleAndKeptAttributesOnEveryMember) {
    const ArtId source = AddRect(0, 1, 1, 0);
    Art& s = *doc.Find(source);
    s.style.Edit().fill.color.kind = kThreeColor;
    s.style.Edit().fill.color.c.rgb = {1, 0, 0};
    s.carried.attributes.Edit()["opacity"] = "0.5";
    AIArtStyleHandle style;
    ASSERT_EQ(styles->GetArtStyle(H(source), &style), kNoErr);

    ArtId compound;
    ASSERT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &compound), kNoErr);
    const ArtId m1 = AddRect(0, 1, 1, 0, compound, kPlaceInsideOnTop);
    const ArtId m2 = AddRect(0, 1, 1, 0, compound, kPlaceInsideOnTop);
    ASSERT_EQ(styles->SetArtStyle(H(compound), style), kNoErr);
    for (ArtId m : {m1, m2}) {
        EXPECT_EQ(doc.Find(m)->style->fill.color.kind, kThreeColor);
        EXPECT_EQ(doc.Find(m)->carried.attributes->at("opacity"), "0.5");
    }
    AIArtStyleHandle again;
    ASSERT_EQ(styles->GetArtStyle(H(compound), &again), kNoErr);
    EXPECT_EQ(again, style);
    EXPECT_EQ(styles->SetArtStyle(H(AddGroup()), style), kWrongKindErr);
    EXPECT_EQ(styles->SetArtStyle(H(m1), nullptr), kBadParameterErr);
}

TEST_F(ArtStyleSuite, PaintAttributesAnswerOnlyWhatIsAskedAndPainted) {
    const ArtId p = AddRect(0, 1, 1, 0);
    auto ask = [&](ASUInt32 query) {
        AIArtStyleHandle style;
        EXPECT_EQ(styles->GetArtStyle(H(p), &style), kNoErr);
        ASUInt32 answer = 99;
        EXPECT_EQ(styles->GetPaintAttributes(style, query, &answer), kNoErr);
        return answer;
    };
    EXPECT_EQ(ask(kArtStyleHasFill), 1u);
    EXPECT_EQ(ask(kArtStyleHasFill | kArtStyleHasStroke), 3u);
    doc.Find(p)->style.Edit().fill.color.kind = kNoneColor;  // painted with nothing
    EXPECT_EQ(ask(kArtStyleHasFill), 0u);
    doc.Find(p)->style.Edit().fill.color.kind = kGrayColor;
    doc.Find(p)->style.Edit().fillPaint = 0;
    EXPECT_EQ(ask(kArtStyleHasFill), 0u);
}

TEST_F(ArtStyleSuite, PluginArtNamesItsGroupAndOwnsItsEditArt) {
    const auto* plugins = Acquire<AIPluginGroupSuite>(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion);
    ArtId a, b;
    ASSERT_EQ(doc.NewArt(kPluginArt, kPlaceAboveAll, {}, &a), kNoErr);
    ASSERT_EQ(doc.NewArt(kPluginArt, kPlaceAboveAll, {}, &b), kNoErr);
    doc.Find(a)->details.Edit().pluginGroup = kAISymbolismPluginGroupName;
    doc.Find(b)->details.Edit().pluginGroup = kAISymbolismPluginGroupName;
    AIPluginGroupHandle ga, gb;
    ASSERT_EQ(plugins->GetPluginArtPluginGroup(H(a), &ga), kNoErr);
    ASSERT_EQ(plugins->GetPluginArtPluginGroup(H(b), &gb), kNoErr);
    EXPECT_EQ(ga, gb);
    const char* name = nullptr;
    ASSERT_EQ(plugins->GetAIPluginGroupName(ga, &name), kNoErr);
    EXPECT_STREQ(name, "Adobe Symbolism");
    EXPECT_EQ(plugins->GetAIPluginGroupName(reinterpret_cast<AIPluginGroupHandle>(H(a)), &name), kDeadHandleErr);

    AIArtHandle edit, same;
    ASSERT_EQ(plugins->GetPluginArtEditArt(H(a), &edit), kNoErr);
    ASSERT_EQ(plugins->GetPluginArtEditArt(H(a), &same), kNoErr);
    EXPECT_EQ(edit, same);
    EXPECT_EQ(ArtOf(edit).type, kGroupArt);
    ASSERT_EQ(doc.Dispose(a), kNoErr);
    EXPECT_THROW(ArtIdOf(edit), HostError);  // went with its owner
    EXPECT_EQ(plugins->GetPluginArtEditArt(H(AddGroup()), &edit), kWrongKindErr);
}

}  // namespace
}  // namespace headless
