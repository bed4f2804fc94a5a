// The options dialog and the About box as a user meets them: the stand-in builds them from the module's script and
// a driver plays the user.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>

#include "headless/suites/MenuQueries.h"
#include "headless/win32/DialogDriver.h"
#include "headless/win32/StandIn.h"
#include "plugin/command/AboutBox.h"
#include "plugin/command/ClipOptions.h"
#include "plugin/command/OptionsDialog.h"
#include "plugin/resources/MakerInfo.h"
#include "tests/plugin/command/CommandFixture.h"

namespace trimora::testing {
namespace {

using headless::win32::CallbackDriver;
using headless::win32::DialogHistory;
using headless::win32::OpenDialog;
using headless::win32::ScopedDialogDriver;
using headless::win32::ShellExecuteLog;

constexpr std::array<int, 4> kBoxes = {1007, 1008, 1009, 1070};

// What the dialog showed when it opened: the outside radio button, the inside one, then the four boxes.
struct Shown {
    bool outside = false;
    bool inside = false;
    std::array<bool, 4> boxes{};
};

class Dialogs : public CommandTest {
protected:
    void SetUp() override { StartUp(); }

    // Opens the options dialog on `options`, notes what it shows, then lets `user` act on it.
    ASInt32 ShowOptions(ClipOptions& options, const std::function<void(OpenDialog&)>& user) {
        shown.reset();
        CallbackDriver driver([&](OpenDialog& dialog) {
            Shown s{dialog.IsChecked(1005), dialog.IsChecked(1006), {}};
            for (std::size_t i = 0; i < kBoxes.size(); ++i)
                s.boxes[i] = dialog.IsChecked(kBoxes[i]);
            shown = s;
            owner = dialog.Owner();
            user(dialog);
        });
        ScopedDialogDriver scope(driver);
        return ShowOptionsDialog(host.Self(), &options);
    }

    static void Confirm(OpenDialog& dialog) { dialog.PressEnter(); }

    std::optional<Shown> shown;
    HWND owner = nullptr;
};

TEST_F(Dialogs, FirstUseShowsOutsideRemovalWithNoBoxCheckedAndStoresThat) {
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    ASSERT_EQ(ShowOptions(options, Confirm), kNoErr);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->outside);
    EXPECT_FALSE(shown->inside);
    EXPECT_EQ(shown->boxes, (std::array<bool, 4>{}));
    EXPECT_EQ(owner, static_cast<HWND>(app.context.mainWindow));
    ASSERT_EQ(DialogHistory().size(), 1u);
    EXPECT_EQ(DialogHistory()[0].templateId, 102);
    EXPECT_EQ(DialogHistory()[0].caption, "Zavik-Trimora2.5");

    SaveClipOptionsToPreferences(options);
    EXPECT_EQ(app.preferences.GetInteger(kSection, "ClipType"), 0);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "PreserveMaskPath"), false);
}

TEST_F(Dialogs, AStoredClipTypeOfTwoShowsInsideRemovalAndIsStoredAsOne) {
    app.preferences.PutInteger(kSection, "ClipType", 2);
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    ASSERT_EQ(ShowOptions(options, Confirm), kNoErr);
    EXPECT_FALSE(shown->outside);
    EXPECT_TRUE(shown->inside);
    SaveClipOptionsToPreferences(options);
    EXPECT_EQ(app.preferences.GetInteger(kSection, "ClipType"), 1);
}

TEST_F(Dialogs, ValuesOtherThanZeroAndOneShowAsSetAndComeBackAsOne) {
    ClipOptions options{7, 5, 0, -1, 2};
    ASSERT_EQ(ShowOptions(options, Confirm), kNoErr);
    EXPECT_TRUE(shown->inside);
    EXPECT_EQ(shown->boxes, (std::array<bool, 4>{true, false, true, true}));
    EXPECT_EQ(options.ClipType, 1);
    EXPECT_EQ(options.DeleteEmptyLayer, 1);
    EXPECT_EQ(options.DeleteTextOnTheLine, 0);
    EXPECT_EQ(options.ShowProgress, 1);
    EXPECT_EQ(options.PreserveMaskPath, 1);
}

// Each box belongs to its own field: checking one sets exactly that field.
TEST_F(Dialogs, EachBoxWritesItsOwnField) {
    AIBoolean ClipOptions::*const fields[] = {&ClipOptions::DeleteEmptyLayer, &ClipOptions::DeleteTextOnTheLine,
                                              &ClipOptions::ShowProgress, &ClipOptions::PreserveMaskPath};
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        ClipOptions options;
        ASSERT_EQ(ShowOptions(options,
                              [&](OpenDialog& dialog) {
                                  dialog.Click(kBoxes[i]);
                                  dialog.Click(1);
                              }),
                  kNoErr);
        ClipOptions expected;
        expected.*fields[i] = 1;
        EXPECT_EQ(options.ClipType, 0) << kBoxes[i];
        for (std::size_t f = 0; f < kBoxes.size(); ++f)
            EXPECT_EQ(options.*fields[f], expected.*fields[f]) << kBoxes[i];
    }
}

TEST_F(Dialogs, ConfirmingWritesAllFiveFieldsEitherWay) {
    ClipOptions options;
    ASSERT_EQ(ShowOptions(options,
                          [](OpenDialog& dialog) {
                              dialog.Click(1006);
                              for (int id : kBoxes)
                                  dialog.Click(id);
                              dialog.Click(1);
                          }),
              kNoErr);
    EXPECT_EQ(options.ClipType, 1);
    EXPECT_EQ(options.DeleteEmptyLayer + options.DeleteTextOnTheLine + options.ShowProgress + options.PreserveMaskPath,
              4);

    ASSERT_EQ(ShowOptions(options,
                          [](OpenDialog& dialog) {
                              dialog.Click(1005);
                              for (int id : kBoxes)
                                  dialog.Click(id);
                              dialog.Click(1);
                          }),
              kNoErr);
    EXPECT_EQ(options.ClipType, 0);
    EXPECT_EQ(options.DeleteEmptyLayer + options.DeleteTextOnTheLine + options.ShowProgress + options.PreserveMaskPath,
              0);
}

TEST_F(Dialogs, CancelAndEscapeGiveStopAndLeaveTheRecordAndThePreferencesAlone) {
    app.preferences.PutInteger(kSection, "ClipType", 1);
    app.preferences.PutBoolean(kSection, "ShowProgress", true);
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    const auto changeThen = [](std::function<void(OpenDialog&)> close) {
        return [close](OpenDialog& dialog) {
            dialog.Click(1005);
            dialog.Click(1007);
            dialog.Click(1009);
            close(dialog);
        };
    };
    EXPECT_EQ(ShowOptions(options, changeThen([](OpenDialog& d) { d.Click(2); })), kCanceledErr);
    EXPECT_EQ(options.ClipType, 1);
    EXPECT_EQ(options.DeleteEmptyLayer, 0);
    EXPECT_EQ(options.ShowProgress, 1);

    ClipOptions odd{7, 5, 0, 0, 0};
    EXPECT_EQ(ShowOptions(odd, changeThen([](OpenDialog& d) { d.PressEscape(); })), kCanceledErr);
    EXPECT_EQ(odd.ClipType, 7);
    EXPECT_EQ(odd.DeleteEmptyLayer, 5);
    EXPECT_EQ(odd.ShowProgress, 0);

    EXPECT_EQ(HostCalls("AIPreferenceSuite::PutIntegerPreference"), 0u);
    EXPECT_EQ(HostCalls("AIPreferenceSuite::PutBooleanPreference"), 0u);
}

TEST_F(Dialogs, WithoutAModuleHandleNothingIsShownAndTheRecordStays) {
    headless::win32::ForgetLoadedModule(ModuleHandle());
    ClipOptions options{1, 0, 5, 0, 0};
    EXPECT_EQ(ShowOptions(options, Confirm), kNoErr);
    EXPECT_FALSE(shown);
    EXPECT_EQ(options.DeleteTextOnTheLine, 5);
    EXPECT_EQ(ShowAboutBox(host.Self()), kNoErr);
    EXPECT_TRUE(DialogHistory().empty());
}

// The module must name its file to Windows in the platform encoding, not in UTF-8.
TEST_F(Dialogs, TheModuleIsFoundOnlyByItsPlatformEncodedPath) {
    headless::win32::SetLoadedModule(kModuleFile, ModuleHandle());  // registered under the UTF-8 bytes instead
    ClipOptions options;
    EXPECT_EQ(ShowOptions(options, Confirm), kNoErr);
    EXPECT_FALSE(shown);
}

TEST_F(Dialogs, HostRefusalsComeBackBeforeAnyDialog) {
    ClipOptions options{0, 5, 0, 0, 0};
    app.faults.FailCall("AIAppContextSuite::GetPlatformAppWindow", kBad, 1);
    EXPECT_EQ(ShowOptions(options, Confirm), kBad);
    app.faults.FailCall("SPPluginsSuite::GetPluginFileSpecification", kBad, 1);
    EXPECT_EQ(ShowAboutBox(host.Self()), kBad);
    EXPECT_TRUE(DialogHistory().empty());
    EXPECT_EQ(options.DeleteEmptyLayer, 5);
}

TEST_F(Dialogs, TheAboutBoxIgnoresEscapeOpensTheSiteOnEachPressAndClosesWithEnter) {
    std::size_t opened = 0;
    CallbackDriver driver([&](OpenDialog& dialog) {
        EXPECT_EQ(dialog.Id(), 107);
        dialog.PressEscape();
        EXPECT_FALSE(dialog.Ended());
        dialog.Click(1063);
        dialog.Click(1063);
        EXPECT_FALSE(dialog.Ended());
        opened = ShellExecuteLog().size();
        dialog.PressEnter();
    });
    ScopedDialogDriver scope(driver);
    EXPECT_EQ(host.MenuGo(Object()->AboutMenuItem()), kNoErr);

    EXPECT_EQ(opened, 2u);
    ASSERT_EQ(ShellExecuteLog().size(), 2u);
    for (const auto& call : ShellExecuteLog()) {
        EXPECT_EQ(call.owner, nullptr);
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, trimora::kMakerWebAddress);
        EXPECT_EQ(call.parameters, std::nullopt);
        EXPECT_EQ(call.directory, std::nullopt);
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
    ASSERT_EQ(DialogHistory().size(), 1u);
    EXPECT_EQ(DialogHistory()[0].result, 0);
    EXPECT_EQ(DialogHistory()[0].caption, "Zavik-Trimora2.5について");
}

TEST_F(Dialogs, MenuMessagesForOtherItemsOpenNothing) {
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    // The About submenu's own item is the module's but answers nothing.
    const auto submenu = headless::FindMenuItem(app, "About", "Zavikについて...");
    ASSERT_TRUE(submenu);
    EXPECT_EQ(host.MenuGo(headless::MenuItemHandle(submenu)), kNoErr);
    EXPECT_TRUE(DialogHistory().empty());
    EXPECT_TRUE(app.preferences.Empty());
}

}  // namespace
}  // namespace trimora::testing
