// The selection the user made, judged before anything changes: each refusal shows its one alert, answers 0 and
// leaves the document as it was.
#include "tests/plugin/engine/EngineFixture.h"

namespace trimora::testing {
namespace {

const std::string kNothingSelected = "切り抜き領域オブジェクトが選択されていません";
const std::string kOnlyOnePath = "閉じたパスを１つだけ選択して下さい";
const std::string kSimplePathOnly = "単独パスを１つだけ選択して下さい（複合パス等は不可）";
const std::string kOpenPath = "閉じたパスを選択して下さい";
const std::string kPreviewOnly = "プレビュー表示で実行して下さい";

class RegionCheck : public EngineTest {
protected:
    // Runs the menu command on what the case selected and checks that nothing but the alert happened.
    void ExpectRefused(const std::string& alert) {
        const std::size_t art = doc.ArtCount();
        EXPECT_EQ(Menu(), kNoErr);
        EXPECT_EQ(Errors(), std::vector<std::string>{alert});
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(doc.ArtCount(), art);
        EXPECT_EQ(doc.CountLayers(), layersBefore);
        EXPECT_EQ(app.calls.Count("AIPathStyleSuite::SetPathStyle"), 0u);
        EXPECT_EQ(app.calls.Count("AIArtSuite::DisposeArt"), 0u);
    }
    ArtId Compound() {
        ArtId compound;
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &compound), kNoErr);
        AddRect(0, 10, 10, 0, compound, kPlaceInsideOnTop);
        AddRect(2, 8, 8, 2, compound, kPlaceInsideOnTop);
        return compound;
    }
};

TEST_F(RegionCheck, NothingSelected) {
    AddRect(200, 200, 220, 180);
    ExpectRefused(kNothingSelected);
}

TEST_F(RegionCheck, TwoClosedPaths) {
    Region(0, 50, 100, 0);
    Region(10, 40, 20, 30);
    ExpectRefused(kOnlyOnePath);
}

TEST_F(RegionCheck, AnyObjectAfterTheRegionCountsAsASecondPath) {
    Select(Compound());
    Region(0, 50, 100, 0);  // in front, so listed first
    ExpectRefused(kOnlyOnePath);
}

TEST_F(RegionCheck, ACompoundPath) {
    Select(Compound());
    ExpectRefused(kSimplePathOnly);
}

TEST_F(RegionCheck, AnOpenPath) {
    Select(AddPath({{0, 0}, {100, 0}, {100, 50}}, false));
    ExpectRefused(kOpenPath);
}

TEST_F(RegionCheck, ARegionOnALayerInOutlineView) {
    AddRect(200, 200, 220, 180);
    Region(0, 50, 100, 0);
    doc.FindLayer(layer)->preview = false;
    ExpectRefused(kPreviewOnly);
}

// Groups alone select no path: told like an empty selection rather than asking the host about no art.
TEST_F(RegionCheck, OnlyAGroup) {
    const ArtId group = AddGroup();
    AddRect(0, 10, 10, 0, group, kPlaceInsideOnTop);
    Select(group);
    ExpectRefused(kNothingSelected);
}

// A clip group's mask would be cut, or go, with its group while the run still uses it as the region.
TEST_F(RegionCheck, AClippingPath) {
    const ArtId group = AddGroup();
    doc.Find(group)->clipped = true;
    AddRect(200, 200, 220, 180, group, kPlaceInsideOnTop);
    const ArtId mask = AddRect(0, 50, 100, 0, group, kPlaceInsideOnTop);
    doc.Find(mask)->style.clip = 1;
    Select(mask);
    ExpectRefused(kSimplePathOnly);
}

TEST_F(RegionCheck, GroupsAroundTheRegionArePassedOverAndTheRunClipsAroundIt) {
    const ArtId outer = AddGroup();
    const ArtId inner = AddGroup(outer, kPlaceInsideOnTop);
    const ArtId outside = AddRect(200, 200, 220, 180, inner, kPlaceInsideOnTop);
    const ArtId region = AddRect(0, 50, 100, 0, inner, kPlaceInsideOnTop);
    Select(region);
    EXPECT_EQ(Menu(), kNoErr);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{kFinished});
    EXPECT_FALSE(Alive(outside));
    EXPECT_FALSE(Alive(region));
    EXPECT_TRUE(Alive(inner));
}

TEST_F(RegionCheck, AFailingTypeQueryIsPassedUpWithoutAnAlert) {
    Region(0, 50, 100, 0);
    app.faults.FailCall("AIArtSuite::GetArtType", kBad, 1);
    EXPECT_EQ(Play(ClipOptions{}), kBad);
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(doc.CountLayers(), layersBefore);
}

}  // namespace
}  // namespace trimora::testing
