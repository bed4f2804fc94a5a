// Window-system behaviour of the stand-in on dialogs written for the purpose: groups of radio buttons, the
// default id, messages the procedure receives, handles that are not (or no longer) windows.
#include <gtest/gtest.h>

#include <vector>

#include "StandInFixture.h"
#include "headless/win32/DialogDriver.h"

namespace win32_test {
namespace {

using headless::win32::CallbackDriver;
using headless::win32::DialogHistory;
using headless::win32::OpenDialog;
using headless::win32::ScopedDialogDriver;
using headless::win32::ScriptedDriver;

// Two groups of automatic radio buttons, a manual radio button, a three-state box, no default push button.
constexpr const char* kGroupsScript = R"(
#define IDC_FIRST 10
LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT
1 DIALOGEX 0, 0, 100, 100
STYLE WS_POPUP
BEGIN
    CONTROL "a", IDC_FIRST, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 0, 0, 10, 10
    CONTROL "b", 11, "Button", BS_AUTORADIOBUTTON, 0, 0, 10, 10
    CONTROL "c", 12, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 0, 0, 10, 10
    CONTROL "d", 13, "Button", BS_AUTORADIOBUTTON, 0, 0, 10, 10
    CONTROL "manual", 14, "Button", BS_RADIOBUTTON, 0, 0, 10, 10
    CONTROL "three", 15, "Button", BS_AUTO3STATE, 0, 0, 10, 10
    CONTROL "go", 1, "Button", BS_PUSHBUTTON, 0, 0, 10, 10
    CONTROL "box", -1, "Button", BS_GROUPBOX, 0, 0, 10, 10
    CONTROL "label", -1, "Static", SS_LEFT, 0, 0, 10, 10
    CONTROL "off", 16, "Button", BS_AUTOCHECKBOX | WS_DISABLED, 0, 0, 10, 10
END
)";

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Message> received;
HWND lastDialog = nullptr;

// Records every message and ends the dialog on id 1 with the number of radio buttons checked at that moment.
INT_PTR RecordingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    lastDialog = dialog;
    received.push_back({message, wParam, lParam});
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        int checked = 0;
        for (int id = 10; id <= 14; ++id)
            checked += IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
        EndDialog(dialog, 100 + checked);
    }
    return FALSE;
}

class DialogBehaviour : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        UseScript(kGroupsScript);
        received.clear();
        lastDialog = nullptr;
    }
};

TEST_F(DialogBehaviour, RadioButtonsOnlyAffectTheirOwnGroup) {
    CallbackDriver driver([](OpenDialog& dialog) {
        dialog.Click(10);
        dialog.Click(12);
        EXPECT_TRUE(dialog.IsChecked(10));
        EXPECT_TRUE(dialog.IsChecked(12));
        dialog.Click(13);
        EXPECT_TRUE(dialog.IsChecked(10));
        EXPECT_FALSE(dialog.IsChecked(12));
        dialog.Click(14);  // a manual radio button only notifies
        EXPECT_FALSE(dialog.IsChecked(14));
        EXPECT_TRUE(dialog.IsChecked(13));
        dialog.PressEnter();
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure), 102);
}

TEST_F(DialogBehaviour, ThreeStateBoxCyclesAndSetCheckedReachesTheState) {
    CallbackDriver driver([](OpenDialog& dialog) {
        const auto& box = dialog.Control(15);
        dialog.Click(box);
        dialog.Click(box);
        EXPECT_EQ(box.CheckState(), BST_INDETERMINATE);
        dialog.SetChecked(box, false);
        EXPECT_EQ(box.CheckState(), BST_UNCHECKED);
        dialog.PressEnter();
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure), 100);
}

TEST_F(DialogBehaviour, ProcedureHearsInitWithTheParameterAndClicksWithIdAndHandle) {
    ScriptedDriver driver({"click:11", "enter"});
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure, 4711), 101);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].message, WM_INITDIALOG);
    EXPECT_EQ(received[0].lParam, 4711);
    EXPECT_EQ(received[1].message, WM_COMMAND);
    EXPECT_EQ(received[1].wParam, MAKEWPARAM(11, BN_CLICKED));
    // Without a default push button Enter stands for id 1, sent as a click of the button with that id.
    EXPECT_EQ(received[2].wParam, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_NE(received[2].lParam, 0);
}

TEST_F(DialogBehaviour, SetCheckLeavesOtherRadioButtonsButCheckRadioButtonClearsTheRange) {
    CallbackDriver driver([](OpenDialog& dialog) {
        HWND handle = dialog.Handle();
        SendMessageA(GetDlgItem(handle, 10), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(GetDlgItem(handle, 11), BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(SendMessageA(GetDlgItem(handle, 10), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(handle, 11), BST_CHECKED);
        EXPECT_TRUE(CheckRadioButton(handle, 10, 13, 12));
        EXPECT_FALSE(dialog.IsChecked(10));
        EXPECT_FALSE(dialog.IsChecked(11));
        EXPECT_TRUE(dialog.IsChecked(12));
        dialog.PressEnter();
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure), 101);
}

TEST_F(DialogBehaviour, HandlesOfNoOpenDialogAreRefusedQuietly) {
    ScriptedDriver driver({"enter"});
    ScopedDialogDriver installed(driver);
    Show(1, RecordingProcedure);
    ASSERT_NE(lastDialog, nullptr);
    for (HWND stale : {lastDialog, static_cast<HWND>(nullptr), reinterpret_cast<HWND>(&driver)}) {
        EXPECT_FALSE(EndDialog(stale, 0));
        EXPECT_FALSE(CheckRadioButton(stale, 10, 11, 10));
        EXPECT_EQ(IsDlgButtonChecked(stale, 10), BST_UNCHECKED);
        EXPECT_EQ(GetDlgItem(stale, 10), nullptr);
        EXPECT_EQ(SendMessageA(stale, BM_GETCHECK, 0, 0), 0);
    }
}

TEST_F(DialogBehaviour, ClicksTheUserCannotMakeFailTheDialog) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"click:99", "no control 99"},
        {"click:box", "group box"},
        {"click:label", "static"},
        {"click:16", "disabled"},
        {"click:nothing", "no control \"nothing\""},
        {"uncheck:10", "cannot be unchecked"},
        {"check:1", "not an automatic"},
    };
    for (const auto& [action, reason] : cases) {
        SCOPED_TRACE(action);
        ScriptedDriver driver({"click:10", action});
        ScopedDialogDriver installed(driver);
        EXPECT_EQ(Show(1, RecordingProcedure), -1);
        EXPECT_NE(LastFailure().find(reason), std::string::npos) << LastFailure();
    }
}

TEST_F(DialogBehaviour, ActingOnAnEndedDialogIsAnError) {
    CallbackDriver driver([](OpenDialog& dialog) {
        dialog.PressEnter();
        dialog.Click(10);
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure), -1);
    EXPECT_NE(LastFailure().find("already ended"), std::string::npos) << LastFailure();
}

TEST_F(DialogBehaviour, DialogEndedDuringInitNeverReachesTheDriver) {
    bool driven = false;
    CallbackDriver driver([&](OpenDialog&) { driven = true; });
    ScopedDialogDriver installed(driver);
    const DLGPROC endAtOnce = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) EndDialog(dialog, 9);
        return FALSE;
    };
    EXPECT_EQ(Show(1, endAtOnce), 9);
    EXPECT_FALSE(driven);
}

TEST_F(DialogBehaviour, UnknownTemplatesModulesAndProceduresFail) {
    EXPECT_EQ(Show(2, RecordingProcedure), -1);
    EXPECT_NE(LastFailure().find("no dialog 2"), std::string::npos) << LastFailure();
    EXPECT_EQ(DialogBoxParamA(Module(), "NAMED", nullptr, RecordingProcedure, 0), -1);
    EXPECT_EQ(Show(1, nullptr), -1);
    int other;
    EXPECT_EQ(DialogBoxParamA(reinterpret_cast<HMODULE>(&other), MAKEINTRESOURCEA(1), nullptr, RecordingProcedure, 0),
              -1);
    EXPECT_NE(LastFailure().find("not one of a loaded module"), std::string::npos);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(DialogHistory().size(), 4u);
}

TEST_F(DialogBehaviour, ModuleHandleIsKnownOnlyForTheLoadedPath) {
    EXPECT_EQ(GetModuleHandleA(kModulePath), Module());
    EXPECT_EQ(GetModuleHandleA("/plug-ins/Other.aip"), nullptr);
    EXPECT_EQ(GetModuleHandleA("/plug-ins/zavik-trimora.aip"), nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), nullptr);
    headless::win32::ForgetLoadedModule(Module());
    EXPECT_EQ(GetModuleHandleA(kModulePath), nullptr);
    EXPECT_EQ(Show(1, RecordingProcedure), -1);
}

TEST_F(DialogBehaviour, DescriptionShowsStatesAndTexts) {
    CallbackDriver driver([](OpenDialog& dialog) {
        dialog.Click(10);
        const std::string text = dialog.Describe();
        EXPECT_NE(text.find("10 (*) \"a\""), std::string::npos) << text;
        EXPECT_NE(text.find("11 ( ) \"b\""), std::string::npos) << text;
        EXPECT_NE(text.find("15 [ ] \"three\""), std::string::npos) << text;
        dialog.PressEnter();
    });
    ScopedDialogDriver installed(driver);
    EXPECT_EQ(Show(1, RecordingProcedure), 101);
}

TEST(ScriptedDriverActions, UnreadableActionsAreRefusedBeforeAnyDialog) {
    for (const char* bad : {"press", "click:", "click", "tick:1", "Enter"}) {
        EXPECT_THROW(ScriptedDriver({bad}), std::invalid_argument) << bad;
    }
    const auto byText = headless::win32::ParseDialogAction("check:12a");
    EXPECT_FALSE(byText.id.has_value());
    EXPECT_EQ(byText.text, "12a");
    EXPECT_EQ(headless::win32::ParseDialogAction("click:-1").id, -1);
}

}  // namespace
}  // namespace win32_test
