// The selection judged before anything changes: each refusal shows its one alert, answers 0 and leaves the
// document as it was.
#include <functional>

#include "tests/plugin/engine/EngineFixture.h"

namespace trimora::testing {
namespace {

struct Refusal {
    const char* name;
    std::function<void()> select;
    std::string alert;
};

class RegionCheck : public EngineTest {
protected:
    ArtId Compound() {
        ArtId c;
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &c), kNoErr);
        AddRect(0, 10, 10, 0, c, kPlaceInsideOnTop);
        return c;
    }
};

TEST_F(RegionCheck, EachRefusalShowsItsAlertAndChangesNothing) {
    const std::vector<Refusal> cases = {
        {"nothing", [] {}, "切り抜き領域オブジェクトが選択されていません"},
        // Groups alone select no path: told like an empty selection rather than asking the host about no art.
        {"only a group", [this] { Select(AddGroup()); }, "切り抜き領域オブジェクトが選択されていません"},
        {"two paths",
         [this] {
             Region(0, 50, 100, 0);
             Region(10, 40, 20, 30);
         },
         "閉じたパスを１つだけ選択して下さい"},
        {"a compound after the region",
         [this] {
             Select(Compound());
             Region(0, 50, 100, 0);
         },
         "閉じたパスを１つだけ選択して下さい"},
        {"a compound", [this] { Select(Compound()); }, "単独パスを１つだけ選択して下さい（複合パス等は不可）"},
        // A clip group's mask would be cut, or go, with its group while the run still uses it.
        {"a clipping path", [this] { doc.Find(Region(0, 50, 100, 0))->style.Edit().clip = 1; },
         "単独パスを１つだけ選択して下さい（複合パス等は不可）"},
        {"an open path",
         [this] {
             Select(AddPath({{0, 0}, {100, 0}, {100, 50}}, false));
         },
         "閉じたパスを選択して下さい"},
        {"outline view",
         [this] {
             Region(0, 50, 100, 0);
             doc.FindLayer(layer)->preview = false;
         },
         "プレビュー表示で実行して下さい"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t art = doc.ArtCount();
        AddRect(300, 300, 320, 280);
        c.select();
        const std::size_t built = doc.ArtCount();
        app.user.alerts.clear();
        app.calls.Clear();
        EXPECT_EQ(Menu(), kNoErr);
        EXPECT_EQ(Errors(), std::vector<std::string>{c.alert});
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(doc.ArtCount(), built);
        EXPECT_EQ(doc.CountLayers(), layersBefore);
        EXPECT_EQ(app.calls.Count("AIPathStyleSuite::SetPathStyle"), 0u);
        doc.FindLayer(layer)->preview = true;
        ASSERT_EQ(doc.DeleteLayer(layer), kNoErr);
        layer = AddLayer("Layer 1");
        ASSERT_EQ(doc.SetCurrentLayer(layer), kNoErr);
        EXPECT_EQ(doc.ArtCount(), art);
    }
}

TEST_F(RegionCheck, GroupsAroundTheRegionArePassedOverAndTheRunClipsAroundIt) {
    const ArtId outer = AddGroup();
    const ArtId inner = AddGroup(outer, kPlaceInsideOnTop);
    const ArtId outside = AddRect(200, 200, 220, 180, inner, kPlaceInsideOnTop);
    const ArtId region = AddRect(0, 50, 100, 0, inner, kPlaceInsideOnTop);
    Select(region);
    EXPECT_EQ(Menu(), kNoErr);
    EXPECT_TRUE(Errors().empty());
    EXPECT_FALSE(Alive(outside));
    EXPECT_FALSE(Alive(region));
    EXPECT_TRUE(Alive(inner));
}

}  // namespace
}  // namespace trimora::testing
