// Whole clipping runs from the host's message to its answer: the menu command and its dialog, action playback,
// recording, cancel, the region's style, the work layer, the view and the rectangle test as the user meets them.
#include <cmath>
#include <cstring>

#include "headless/win32/StandIn.h"
#include "tests/plugin/engine/EngineFixture.h"

namespace trimora::testing {
namespace {

using headless::win32::DialogHistory;
using headless::win32::OpenDialog;

class ClipRun : public EngineTest {};

TEST_F(ClipRun, AMenuRunDeletesWhatLiesOutsideKeepsWhatLiesInsideAndSaysSo) {
    const ArtId inside = AddRect(10, 40, 20, 30);
    const ArtId outside = AddRect(200, 200, 220, 180);
    const ArtId region = Region(0, 50, 100, 0);

    EXPECT_EQ(Menu(), kNoErr);
    EXPECT_TRUE(Alive(inside));
    EXPECT_FALSE(Alive(outside));
    EXPECT_FALSE(Alive(region));
    EXPECT_EQ(Messages(), std::vector<std::string>{kFinished});
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(doc.CountLayers(), layersBefore);
    EXPECT_EQ(app.user.progressTexts, std::vector<std::string>{"切り抜き(外側)を実行中 レイヤー[Layer 1]"});
    ASSERT_EQ(DialogHistory().size(), 1u);
    EXPECT_EQ(app.preferences.GetInteger(kSection, "ClipType"), 0);
}

TEST_F(ClipRun, ACancelledDialogAnswersStopRunsNothingAndStoresNothing) {
    const ArtId outside = AddRect(200, 200, 220, 180);
    Region(0, 50, 100, 0);
    EXPECT_EQ(MenuWith([](OpenDialog& dialog) { dialog.PressEscape(); }), kCanceledErr);
    EXPECT_TRUE(Alive(outside));
    EXPECT_TRUE(app.preferences.Empty());
    EXPECT_EQ(app.calls.Count("AILayerSuite::InsertLayer"), 0u);
}

// The dialog's choice is stored before the run, and a run that fails tells the host its code.
TEST_F(ClipRun, AFailingMenuRunAnswersItsCodeAfterTheChoiceWasStored) {
    Region(0, 50, 100, 0);
    app.faults.FailCall("AIDocumentViewSuite::GetDocumentViewBounds", kBad);
    EXPECT_EQ(MenuWith([](OpenDialog& dialog) {
                  dialog.Click(1006);
                  dialog.Click(1070);
                  dialog.PressEnter();
              }),
              kBad);
    EXPECT_EQ(app.preferences.GetInteger(kSection, "ClipType"), 1);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "PreserveMaskPath"), true);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc.CountLayers(), layersBefore);
}

TEST_F(ClipRun, PlaybackWithoutTheDialogRunsTheRecordedValuesSilentlyAndLeavesThePreferences) {
    const ArtId outside = AddRect(200, 200, 220, 180);
    const ArtId region = Region(0, 50, 100, 0);
    doc.Find(region)->style.Edit().fillPaint = 0;
    doc.Find(region)->style.Edit().stroke.width = 3;
    const AIPathStyle before = doc.Find(region)->style;
    EXPECT_EQ(Play(ClipOptions{0, 0, 0, 0, 1}), kNoErr);
    EXPECT_FALSE(Alive(outside));
    ASSERT_TRUE(Alive(region));
    // The kept region has its own style back after its temporary fill.
    EXPECT_EQ(std::memcmp(&*doc.Find(region)->style, &before, sizeof before), 0);
    EXPECT_TRUE(DialogHistory().empty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(app.preferences.Empty());
}

TEST_F(ClipRun, PlaybackWithTheDialogRunsTheEditedValuesAndStillLeavesThePreferences) {
    const ArtId region = Region(0, 50, 100, 0);
    EXPECT_EQ(Play(ClipOptions{}, kDialogOn,
                   [](OpenDialog& dialog) {
                       dialog.Click(1070);
                       dialog.PressEnter();
                   }),
              kNoErr);
    EXPECT_TRUE(Alive(region));
    EXPECT_EQ(DialogHistory().size(), 1u);
    EXPECT_TRUE(app.preferences.Empty());

    EXPECT_EQ(Play(ClipOptions{}, kDialogOn, [](OpenDialog& dialog) { dialog.PressEscape(); }), kCanceledErr);
    EXPECT_TRUE(Alive(region));
}

TEST_F(ClipRun, WhileTheHostRecordsTheRunRecordsItsStepBeforeClippingAnything) {
    AddRect(200, 200, 220, 180);
    Region(0, 50, 100, 0);
    app.actions.recording = true;
    EXPECT_EQ(Menu(ClipOptions{0, 1, 0, 1, 1}), kNoErr);

    ASSERT_EQ(app.actions.recorded.size(), 1u);
    const headless::RecordedActionEvent& step = app.actions.recorded[0];
    EXPECT_EQ(step.name, "Zavik-Trimora2.5");
    EXPECT_EQ(step.dialogStatus, kDialogOff);
    ASSERT_EQ(step.parameters.entries.size(), 5u);
    EXPECT_EQ(step.parameters.entries.at(FourCharCode("type")).name, "外側削除");
    EXPECT_EQ(step.parameters.entries.at(FourCharCode("delL")).integer, 1);
    EXPECT_EQ(step.parameters.entries.at(FourCharCode("delT")).integer, 0);
    EXPECT_TRUE(CalledBefore("AIActionManagerSuite::RecordActionEvent", "AIArtSuite::DisposeArt"));
    EXPECT_EQ(app.paramValues.LiveCount(), 0u);

    // Played back while still recording, the step is recorded again; without recording nothing is.
    EXPECT_EQ(Play(ClipOptions{0, 0, 0, 0, 1}), kNoErr);
    EXPECT_EQ(app.actions.recorded.size(), 2u);
    app.actions.recording = false;
    EXPECT_EQ(Play(ClipOptions{0, 0, 0, 0, 1}), kNoErr);
    EXPECT_EQ(app.actions.recorded.size(), 2u);
}

TEST_F(ClipRun, CancelThroughTheProgressDisplayAnswersStopAndGivesTheRegionItsStyleBack) {
    const ArtId outside = AddRect(200, 200, 220, 180);
    const ArtId region = Region(0, 50, 100, 0);
    const AIPathStyle before = doc.Find(region)->style;
    app.user.cancelRequested = true;

    EXPECT_EQ(Menu(), kCanceledErr);
    EXPECT_TRUE(Alive(outside));
    ASSERT_TRUE(Alive(region));
    EXPECT_EQ(std::memcmp(&*doc.Find(region)->style, &before, sizeof before), 0);
    EXPECT_EQ(doc.CountLayers(), layersBefore);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ClipRun, TheSweepOfEmptyLayersTakesTheWorkLayerButLeavesTheDocumentOneLayer) {
    Region(0, 50, 100, 0);
    const LayerId only = doc.NthLayer(0);
    for (ClipOptions options : {ClipOptions{0, 1, 0, 0, 0}, ClipOptions{1, 1, 0, 0, 0}}) {
        EXPECT_EQ(Play(options), kNoErr);
        // The region's layer is emptied; it is the last one, so it stays, and the work layer is not deleted twice.
        ASSERT_EQ(doc.CountLayers(), 1);
        EXPECT_EQ(doc.NthLayer(0), only);
        EXPECT_EQ(app.calls.Count("AILayerSuite::DeleteLayer"), 1u);
        app.calls.Clear();
        Region(0, 50, 100, 0);
    }
}

// The rectangle test decides which objects are judged by bounds alone. A text frame in the region's bounding box
// but outside its outline shows it: judged by bounds it would stay, judged by its corners it goes.
struct RegionShape {
    const char* name;
    std::vector<AIRealPoint> points;
    bool rectangle;
};

TEST_F(ClipRun, OnlyAnAxisAlignedRectangleDecidesByBoundsAlone) {
    const auto rotated = [](AIReal degrees) {
        const AIReal a = degrees * M_PI / 180, c = std::cos(a), s = std::sin(a);
        std::vector<AIRealPoint> p;
        for (const AIRealPoint q : {AIRealPoint{0, 0}, {100, 0}, {100, 50}, {0, 50}})
            p.push_back({q.h * c - q.v * s, q.h * s + q.v * c});
        return p;
    };
    const std::vector<RegionShape> shapes = {
        {"retracted rectangle", {{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true},
        {"rotated by 30 degrees", rotated(30), false},
        {"rhombus", {{50, 0}, {100, 40}, {50, 80}, {0, 40}}, false},
        {"three right angles and a slanted fourth edge", {{0, 0}, {10, 0}, {10, 10}, {2.93, 12.25}}, false},
    };
    for (const RegionShape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        app.calls.Clear();
        const ArtId region = AddPath({}, true);
        for (const AIRealPoint p : shape.points)
            doc.Find(region)->segments.push_back({p, p, p, 1});
        Select(region);
        AIRealRect box{};
        ASSERT_EQ(doc.Bounds(region, nullptr, &box), kNoErr);
        // A tiny frame in the box's top left corner: inside a rectangle, outside every other shape here.
        const AIReal w = box.right - box.left;
        const ArtId text =
            AddBoxed(kTextFrameArt, {box.left + w * 0.01, box.top - w * 0.01, box.left + w * 0.02, box.top - w * 0.02});
        EXPECT_EQ(Play(ClipOptions{}), kNoErr);
        EXPECT_EQ(Alive(text), shape.rectangle);
        EXPECT_EQ(app.calls.Count("AIHitTestSuite::HitTest") == 0, shape.rectangle);
        if (Alive(text)) {
            ASSERT_EQ(doc.Dispose(text), kNoErr);
        }
    }
    // A rectangle with one handle pulled out is a curve, not a rectangle.
    app.calls.Clear();
    const ArtId bent = Region(0, 50, 100, 0);
    doc.Find(bent)->segments[1].out = {110, 50};
    AddBoxed(kTextFrameArt, {1, 49, 2, 48});
    EXPECT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_GT(app.calls.Count("AIHitTestSuite::HitTest"), 0u);
}

// The view zooms out only for a region larger than it, and then centres on the region.
TEST_F(ClipRun, TheViewFitsARegionLargerThanItAndIsLeftAloneOtherwise) {
    struct Case {
        const char* name;
        AIReal left, top, right, bottom;  // in view heights and widths from the view's top left corner
        AIReal zoom;                      // expected, as a share of the zoom before
    };
    const Case cases[] = {
        {"the whole view", 0, 0, 1, -1, 1},
        {"twice as tall as the view", 0.1, 1, 0.2, -1, 0.5},
        {"small, beside the view", 1.1, 0, 1.2, -0.1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.view = {{0, 0}, 2};
        const AIRealRect v = doc.view.Bounds();
        const AIReal w = v.right - v.left, h = v.top - v.bottom;
        const AIRealRect r{v.left + c.left * w, v.top + c.top * h, v.left + c.right * w, v.top + c.bottom * h};
        Region(r.left, r.top, r.right, r.bottom);
        EXPECT_EQ(Play(ClipOptions{}), kNoErr);
        EXPECT_DOUBLE_EQ(doc.view.zoom, 2 * c.zoom);
        const bool moved = c.zoom != 1;
        EXPECT_DOUBLE_EQ(doc.view.centre.h, moved ? (r.left + r.right) / 2 : 0);
        EXPECT_DOUBLE_EQ(doc.view.centre.v, moved ? (r.top + r.bottom) / 2 : 0);
    }
}

}  // namespace
}  // namespace trimora::testing
