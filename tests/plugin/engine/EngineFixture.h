// Clipping runs as the host starts them: the module started up through PluginMain, a document built in the host,
// the region selected, then the menu command with the dialog played by a driver, or the action played back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "plugin/command/ClipOptions.h"
#include "plugin/host/Suites.h"
#include "tests/plugin/command/CommandFixture.h"

namespace trimora::testing {

using headless::ArtId;
using headless::LayerId;

class EngineTest : public CommandTest {
protected:
    void SetUp() override {
        StartUp();
        layersBefore = doc.CountLayers();
    }

    // A rectangle, selected as the user selects the region.
    ArtId Region(AIReal left, AIReal top, AIReal right, AIReal bottom) {
        const ArtId id = AddRect(left, top, right, bottom);
        Select(id);
        return id;
    }
    ArtId SelectedPath(std::initializer_list<AIRealPoint> points) {
        const ArtId id = AddPath(points, true);
        Select(id);
        return id;
    }

    // Objects the host keeps by their extent.
    ArtId AddBoxed(AIArtType type, AIRealRect extent, ArtId ref = {}, AIPaintOrder order = kPlaceAboveAll) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(type, order, ref, &id), kNoErr);
        doc.Find(id)->details.Edit().extent = extent;
        return id;
    }
    // Plug-in art of `group` whose edit art holds one rectangle.
    ArtId AddPluginArt(const std::string& group, AIRealRect r, ArtId* member) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(kPluginArt, kPlaceAboveAll, {}, &id), kNoErr);
        doc.Find(id)->details.Edit().pluginGroup = group;
        ArtId edit;
        EXPECT_EQ(doc.NewDetachedGroup(&edit), kNoErr);
        doc.Find(id)->editArt = edit;
        *member = AddRect(r.left, r.top, r.right, r.bottom, edit, kPlaceInsideOnTop);
        return id;
    }
    void Lock(ArtId id) { ASSERT_EQ(doc.SetUserAttr(id, kArtLocked, kArtLocked), kNoErr); }
    ArtId LayerGroup(LayerId l) { return doc.FindLayer(l)->group; }

    // The menu command with the dialog confirmed as it opens on the stored options.
    ASErr Menu(const ClipOptions& stored = {}) {
        SaveClipOptionsToPreferences(stored);
        return MenuWith([](headless::win32::OpenDialog& dialog) { dialog.PressEnter(); });
    }
    ASErr MenuWith(const std::function<void(headless::win32::OpenDialog&)>& user) {
        headless::win32::CallbackDriver driver(user);
        headless::win32::ScopedDialogDriver scope(driver);
        return host.MenuGo(Object()->ClipMenuItem());
    }
    // Playback of a recorded step holding `options`.
    ASErr Play(const ClipOptions& options, ActionDialogStatus showDialog = kDialogNone,
               const std::function<void(headless::win32::OpenDialog&)>& user = nullptr) {
        AIActionParamValueRef value = nullptr;
        EXPECT_EQ(sAIActionManager->AINewActionParamValue(&value), kNoErr);
        EXPECT_EQ(WriteClipOptionsToAction(options, value), kNoErr);
        headless::win32::CallbackDriver driver(user ? user : [](headless::win32::OpenDialog&) {});
        headless::win32::ScopedDialogDriver scope(driver);
        const ASErr result = host.DoAction(showDialog, value);
        sAIActionManager->AIDeleteActionParamValue(value);
        return result;
    }

    std::vector<std::string> Alerts(headless::Alert::Kind kind) const {
        std::vector<std::string> texts;
        for (const headless::Alert& a : app.user.alerts)
            if (a.kind == kind) texts.push_back(a.text);
        return texts;
    }
    std::vector<std::string> Errors() const { return Alerts(headless::Alert::Kind::kError); }
    std::vector<std::string> Messages() const { return Alerts(headless::Alert::Kind::kMessage); }

    bool Alive(ArtId id) const { return doc.Contains(id); }
    // Whether the first call named `first` comes before every call named `second`.
    bool CalledBefore(std::string_view first, std::string_view second) const {
        const auto& calls = app.calls.Calls();
        const auto a = std::ranges::find(calls, first), b = std::ranges::find(calls, second);
        return a != calls.end() && (b == calls.end() || a < b);
    }

    int layersBefore = 0;
};

inline const std::string kFinished = "切り抜き処理が終了しました";

}  // namespace trimora::testing
