// The module's two dialogs from its own script, driven as a user would, with procedures that work the way the
// module's options dialog and About box do.
#include <gtest/gtest.h>

#include <sstream>

#include "StandInFixture.h"
#include "headless/win32/DialogDriver.h"
#include "plugin/resources/MakerInfo.h"

namespace win32_test {
namespace {

using headless::win32::CallbackDriver;
using headless::win32::DialogHistory;
using headless::win32::OpenDialog;
using headless::win32::ScopedDialogDriver;
using headless::win32::ScriptedDriver;
using headless::win32::ShellExecuteLog;

constexpr INT_PTR kStop = 'STOP';

struct Options {
    int clipType;
    int deleteEmptyLayer;
    int deleteTextOnTheLine;
    int showProgress;
    int preserveMaskPath;
};

Options* editing = nullptr;

void SetCheck(HWND dialog, int id, int value) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}
int Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

INT_PTR OptionsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        editing = reinterpret_cast<Options*>(lParam);
        CheckRadioButton(dialog, 1005, 1006, editing->clipType == 0 ? 1005 : 1006);
        SetCheck(dialog, 1007, editing->deleteEmptyLayer);
        SetCheck(dialog, 1008, editing->deleteTextOnTheLine);
        SetCheck(dialog, 1009, editing->showProgress);
        SetCheck(dialog, 1070, editing->preserveMaskPath);
        return FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) == IDOK) {
        *editing = {Checked(dialog, 1005) ? 0 : 1, Checked(dialog, 1007), Checked(dialog, 1008), Checked(dialog, 1009),
                    Checked(dialog, 1070)};
        EndDialog(dialog, 0);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, kStop);
        return TRUE;
    }
    return FALSE;
}

int aboutCancels = 0;

INT_PTR AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, 0);
            return TRUE;
        case 1063:
            ShellExecuteA(nullptr, "open", trimora::kMakerWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
            return TRUE;
        case IDCANCEL:
            ++aboutCancels;
            return FALSE;
        default:
            return FALSE;
    }
}

using OptionsDialog = StandInTest;
using AboutBox = StandInTest;

TEST_F(OptionsDialog, OpensWithTheRecordAndConfirmingWritesEveryField) {
    Options options = {7, 0, 5, 0, 0};
    CallbackDriver driver([](OpenDialog& dialog) {
        EXPECT_EQ(dialog.Id(), 102);
        EXPECT_EQ(dialog.Caption(), "Zavik-Trimora2.5");
        EXPECT_FALSE(dialog.IsChecked(1005));
        EXPECT_TRUE(dialog.IsChecked(1006));
        EXPECT_FALSE(dialog.IsChecked(1007));
        EXPECT_TRUE(dialog.IsChecked(1008));
        EXPECT_FALSE(dialog.IsChecked(1070));
        dialog.PressEnter();
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), 0);
    EXPECT_EQ(options.clipType, 1);
    EXPECT_EQ(options.deleteTextOnTheLine, 1);
    EXPECT_EQ(options.deleteEmptyLayer + options.showProgress + options.preserveMaskPath, 0);
}

TEST_F(OptionsDialog, RadioButtonsExcludeEachOtherAndCheckBoxesToggle) {
    Options options = {0, 1, 0, 0, 0};
    CallbackDriver driver([](OpenDialog& dialog) {
        dialog.Click(1006);
        EXPECT_FALSE(dialog.IsChecked(1005));
        EXPECT_TRUE(dialog.IsChecked(1006));
        dialog.Click(1006);  // clicking the checked one keeps it checked
        EXPECT_TRUE(dialog.IsChecked(1006));
        dialog.Click(1005);
        dialog.Click(1006);
        EXPECT_FALSE(dialog.IsChecked(1005));
        dialog.Click(1007);  // on to off
        dialog.Click(1009);
        dialog.Click(1009);  // off, on, off
        dialog.Click(1070);
        EXPECT_FALSE(dialog.Ended());
        dialog.Click(dialog.ControlWithText("実行"));
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), 0);
    EXPECT_EQ(options.clipType, 1);
    EXPECT_EQ(options.deleteEmptyLayer, 0);
    EXPECT_EQ(options.showProgress, 0);
    EXPECT_EQ(options.preserveMaskPath, 1);
}

TEST_F(OptionsDialog, EscapeAndCancelLeaveTheRecordAlone) {
    for (const char* action : {"escape", "click:2", "click:キャンセル"}) {
        SCOPED_TRACE(action);
        Options options = {0, 1, 1, 1, 1};
        ScriptedDriver driver({"click:1006", "uncheck:1007", action});
        ScopedDialogDriver installed(driver);
        EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), kStop);
        EXPECT_EQ(options.clipType, 0);
        EXPECT_EQ(options.deleteEmptyLayer, 1);
    }
}

TEST_F(OptionsDialog, ADriverThatLeavesItOpenCancelsIt) {
    Options options = {1, 0, 0, 0, 0};
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), kStop);  // no driver at all
    CallbackDriver idle([](OpenDialog& dialog) { dialog.Click(1005); });
    ScopedDialogDriver installed(idle);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), kStop);
    EXPECT_EQ(options.clipType, 1);
    ASSERT_EQ(DialogHistory().size(), 2u);
    EXPECT_EQ(DialogHistory()[1].templateId, 102);
    EXPECT_EQ(DialogHistory()[1].result, kStop);
    EXPECT_TRUE(DialogHistory()[1].failure.empty());
}

TEST_F(OptionsDialog, OneScriptServesDialogsInTurn) {
    Options first = {0, 0, 0, 0, 0}, second = {0, 0, 0, 0, 0};
    ScriptedDriver driver({"click:内側削除", "check:1008", "check:1008", "enter", "check:1070", "enter", "escape"});
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&first)), 0);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&second)), 0);
    EXPECT_EQ(first.clipType, 1);
    EXPECT_EQ(first.deleteTextOnTheLine, 1);  // "check" twice leaves it checked
    EXPECT_EQ(second.clipType, 0);
    EXPECT_EQ(second.preserveMaskPath, 1);
    EXPECT_EQ(driver.RemainingActions(), 1u);
}

TEST_F(OptionsDialog, EchoShowsTheDialogAsOpenedAndEachAction) {
    Options options = {0, 0, 0, 0, 1};
    std::ostringstream echo;
    ScriptedDriver driver({"click:1006", "enter"});
    driver.SetEcho(&echo);
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(102, OptionsProcedure, reinterpret_cast<LPARAM>(&options)), 0);
    const std::string text = echo.str();
    EXPECT_EQ(text.find("dialog 102 \"Zavik-Trimora2.5\"\n"), 0u) << text;
    EXPECT_NE(text.find("1005 (*) \"外側削除\""), std::string::npos) << text;
    EXPECT_NE(text.find("1070 [x] \"切り抜き範囲指定パスを残す\""), std::string::npos) << text;
    EXPECT_NE(text.find("1010 picture #104"), std::string::npos) << text;
    EXPECT_NE(text.find("  > click:1006\n  > enter\n"), std::string::npos) << text;
}

TEST_F(AboutBox, EscapeLeavesItOpenAndEnterClosesIt) {
    aboutCancels = 0;
    CallbackDriver driver([](OpenDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Zavik-Trimora2.5について");
        dialog.PressEscape();
        EXPECT_FALSE(dialog.Ended());
        dialog.PressEnter();
        EXPECT_TRUE(dialog.Ended());
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(107, AboutProcedure), 0);
    EXPECT_EQ(aboutCancels, 1);
}

TEST_F(AboutBox, LeftOpenByTheDriverItFailsInsteadOfWaiting) {
    aboutCancels = 0;
    ScriptedDriver driver({"escape"});
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(107, AboutProcedure), -1);
    EXPECT_EQ(aboutCancels, 2);  // the driver's Escape and the stand-in's own
    EXPECT_NE(LastFailure().find("still open"), std::string::npos) << LastFailure();
}

TEST_F(AboutBox, WebSiteButtonOpensThePageEachTimeAndStaysOpen) {
    ScriptedDriver driver({"click:1063", "click:Webサイトを開く", "click:OK"});
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(107, AboutProcedure), 0);
    ASSERT_EQ(ShellExecuteLog().size(), 2u);
    for (const auto& call : ShellExecuteLog()) {
        EXPECT_EQ(call.owner, nullptr);
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, trimora::kMakerWebAddress);
        EXPECT_FALSE(call.parameters.has_value());
        EXPECT_FALSE(call.directory.has_value());
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
}

TEST_F(AboutBox, ShellExecuteReportsSuccessAboveThirtyTwo) {
    const auto result = reinterpret_cast<std::intptr_t>(ShellExecuteA(nullptr, "open", "x", "", "", 1));
    EXPECT_GT(result, 32);
    ASSERT_EQ(ShellExecuteLog().size(), 1u);
    EXPECT_EQ(ShellExecuteLog()[0].parameters, "");  // an empty string is not a null pointer
}

}  // namespace
}  // namespace win32_test
