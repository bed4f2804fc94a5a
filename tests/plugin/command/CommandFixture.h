// The module's command layer driven through PluginMain by a fresh headless host, with the dialog stand-in knowing
// the module's file as a loaded module so that the dialogs can find their resources.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "headless/loader/ModuleHost.h"
#include "headless/suites/SuiteText.h"
#include "headless/win32/DialogDriver.h"
#include "headless/win32/StandIn.h"
#include "plugin/command/ZvTrimoraPlugin.h"
#include "plugin/host/PluginMain.h"
#include "tests/support/HostFixture.h"

namespace trimora::testing {

inline const ASErr kBad = FourCharErr("BAD!");
inline constexpr const char* kSection = "Zavik-Trimora2.5";

class CommandTest : public headless::testing::HostTest {
protected:
    // A path that is not ASCII, so that the module must really hand Windows the platform encoding.
    static constexpr const char* kModuleFile = "/プラグイン/Zavik-Trimora.aip";

    CommandTest() {
        headless::win32::ResetStandIn();
        headless::win32::SetLoadedModule(headless::suitetext::Utf8ToPlatform(kModuleFile), ModuleHandle());
        host.Attach(&PluginMain, kModuleFile);
    }
    ~CommandTest() override {
        if (host.Globals()) host.Shutdown();
        headless::win32::ResetStandIn();
    }

    static HMODULE ModuleHandle() {
        static int token;
        return reinterpret_cast<HMODULE>(&token);
    }

    void StartUp() { ASSERT_EQ(host.Startup(), kNoErr); }
    ZvTrimoraPlugin* Object() { return static_cast<ZvTrimoraPlugin*>(static_cast<Plugin*>(host.Globals())); }
    std::size_t HostCalls(std::string_view name) { return app.calls.Count(name); }

    headless::ModuleHost host{app};
};

}  // namespace trimora::testing
