// The built libtrimora.so, loaded as the host loads it: its plug-in class is this module's, and its dialog calls
// resolve against the host process.
#include <gtest/gtest.h>

#include "headless/loader/ModuleHost.h"
#include "headless/suites/MenuQueries.h"
#include "headless/win32/DialogDriver.h"
#include "headless/win32/StandIn.h"
#include "plugin/resources/MakerInfo.h"
#include "tests/support/HostFixture.h"

namespace {

using headless::win32::CallbackDriver;
using headless::win32::OpenDialog;

const std::string kModule = TRIMORA_MODULE_FILE;

class ModuleFile : public headless::testing::HostTest {
protected:
    ModuleFile() {
        headless::win32::ResetStandIn();
        headless::win32::SetLoadedModule(kModule, reinterpret_cast<HMODULE>(&token_));
    }
    ~ModuleFile() override {
        if (host.Globals()) host.Shutdown();
        headless::win32::ResetStandIn();
    }

    headless::ModuleHost host{app};

private:
    int token_ = 0;
};

TEST_F(ModuleFile, StartsWithItsMenusAndShowsTheAboutBoxFromTheLoadedCode) {
    ASSERT_TRUE(host.Load(kModule)) << host.LoadError();
    ASSERT_EQ(host.Startup(), kNoErr);
    EXPECT_TRUE(headless::FindMenuItem(app, "Objects", "Zavik-Trimora2.5..."));
    EXPECT_EQ(app.actions.registered.size(), 1u);

    // Through an unload and a reload of the code, as the host does between commands.
    ASSERT_EQ(host.Unload(), kNoErr);
    ASSERT_EQ(host.Reload(), kNoErr);

    const auto about = headless::FindMenuItem(app, "AboutZavikName", "Zavik-Trimora2.5...");
    ASSERT_TRUE(about);
    CallbackDriver driver([](OpenDialog& dialog) {
        dialog.Click(1063);
        dialog.Click(1);
    });
    headless::win32::ScopedDialogDriver scope(driver);
    EXPECT_EQ(host.MenuGo(headless::MenuItemHandle(about)), kNoErr);
    ASSERT_EQ(headless::win32::ShellExecuteLog().size(), 1u);
    EXPECT_EQ(headless::win32::ShellExecuteLog()[0].file, trimora::kMakerWebAddress);
    ASSERT_EQ(headless::win32::DialogHistory().size(), 1u);
    EXPECT_EQ(headless::win32::DialogHistory()[0].result, 0);
}

}  // namespace
