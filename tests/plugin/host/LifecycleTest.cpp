// The plug-in's life through the real message protocol: start-up, shut-down, their failures, unload and reload,
// and the module lock.
#include <gtest/gtest.h>

#include <cstring>

#include "headless/suites/PluginRegistry.h"
#include "plugin/host/Suites.h"
#include "plugin/sdk/AICallers.h"
#include "tests/plugin/host/ModuleFixture.h"

namespace trimora::testing {
namespace {

using Strings = std::vector<std::string>;

class Lifecycle : public ModuleTest {
protected:
    std::string NotifierName(AINotifierHandle handle) {
        const auto id = headless::AppIdOf(headless::HandleKind::kNotifier, handle, app.notifiers);
        return app.notifiers[id].name;
    }
};

TEST_F(Lifecycle, StartupAcquiresTheSuitesNamesThePluginRegistersTheNotifiersAndTakesOneLock) {
    ASSERT_EQ(host.Startup(), kNoErr);
    ASSERT_NE(Object(), nullptr);
    EXPECT_EQ(Calls(), (Strings{"CreatePlugin", "OnStartup", "BindInstance this", "CompleteStartup", "RefreshAfterLoad",
                                "OnMessage SP Interface/Startup"}));
    EXPECT_EQ(app.suites.TotalHeld(), 33);
    EXPECT_EQ(sSuiteAcquisitionCount, 1);
    EXPECT_NE(sAILayer, nullptr);
    EXPECT_EQ(headless::PluginOf(host.Self()).name.Str(), "Recorder");
    EXPECT_EQ(NotifierName(Object()->AppStartedNotifier()), "Recorder App Started Notifier");
    EXPECT_EQ(NotifierName(Object()->AppShutdownNotifier()), "Recorder Application Shutdown Notifier");
    EXPECT_EQ(Object()->LockCount(), 1);
    EXPECT_EQ(HostCalls("SPAccessSuite::AcquirePlugin"), 1u);
}

TEST_F(Lifecycle, ShutdownReleasesTheSuitesAndDeletesTheObjectButKeepsLocksAndNotifiers) {
    ASSERT_EQ(host.Startup(), kNoErr);
    const std::size_t mark = Calls().size();
    EXPECT_EQ(host.Shutdown(), kNoErr);
    EXPECT_EQ(CallsSince(mark), (Strings{"OnShutdown", "BindInstance null"}));
    EXPECT_EQ(Record().destroyed, 1);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(sAIArt, nullptr);
    EXPECT_EQ(HostCalls("SPAccessSuite::ReleasePlugin"), 0u);
    EXPECT_EQ(HostCalls("AINotifierSuite::SetNotifierActive"), 0u);
    EXPECT_EQ(host.Shutdown(), kNoErr);  // nothing left to shut down
    EXPECT_EQ(Record().destroyed, 1);
}

TEST_F(Lifecycle, AFailingShutdownStillDeletesTheObjectAndAnswersItsCode) {
    ASSERT_EQ(host.Startup(), kNoErr);
    Record().answers["OnShutdown"] = kBad;
    EXPECT_EQ(host.Shutdown(), kBad);
    EXPECT_EQ(Record().destroyed, 1);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
}

TEST_F(Lifecycle, AFactoryWithoutMemoryAnswersMemAndLeavesNoObject) {
    Record().failCreate = true;
    EXPECT_EQ(host.Startup(), kOutOfMemoryErr);
    EXPECT_EQ(host.Globals(), nullptr);
    const std::size_t mark = Calls().size();
    EXPECT_EQ(host.Shutdown(), kNoErr);
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    EXPECT_TRUE(CallsSince(mark).empty());
}

TEST_F(Lifecycle, AMissingSuiteFailsStartupBeforeAnyNotifierAndGivesEverythingBack) {
    app.faults.LackSuite(kAILayerSuite);
    EXPECT_EQ(host.Startup(), kSPSuiteNotFoundError);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(Record().destroyed, 1);
    // The 7 framework suites and the 11 plug-in suites before the Layer suite went back, in acquisition order.
    EXPECT_EQ(HostCalls("SPBasicSuite::AcquireSuite"), 19u);
    EXPECT_EQ(HostCalls("SPBasicSuite::ReleaseSuite"), 18u);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(HostCalls("AINotifierSuite::AddNotifier"), 0u);
    for (const SuiteEntry& row : FrameworkSuites())
        EXPECT_EQ(HeldSuite(row), nullptr) << row.name;
    for (const SuiteEntry* row = PluginSuites(); row->name; ++row)
        EXPECT_EQ(HeldSuite(*row), nullptr) << row->name;
}

TEST_F(Lifecycle, AStartupFailingAfterTheSuitesGivesThemBackAndSilencesItsNotifiers) {
    app.faults.FailCall("AINotifierSuite::AddNotifier", kBad, 2);
    EXPECT_EQ(host.Startup(), kBad);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(Record().destroyed, 1);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(HostCalls("AINotifierSuite::SetNotifierActive"), 1u);
    EXPECT_EQ(HostCalls("SPAccessSuite::AcquirePlugin"), 0u);

    app.faults.Clear();
    app.faults.FailCall("SPPluginsSuite::SetPluginName", kBad);
    EXPECT_EQ(host.Startup(), kBad);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
}

TEST_F(Lifecycle, OnlyTheExactStartupSelectorStartsThePlugin) {
    for (const char* selector : {"Startup2", "startup", "Startup "})
        EXPECT_EQ(host.Send(kSPInterfaceCaller, selector), kNoErr) << selector;
    EXPECT_EQ(host.Send("SP Interface ", kSPInterfaceStartupSelector), kNoErr);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(host.Globals(), nullptr);
}

TEST_F(Lifecycle, AfterUnloadNothingIsRoutedAndReloadRebindsBeforeAnyVirtualCall) {
    ASSERT_EQ(host.Startup(), kNoErr);
    std::size_t mark = Calls().size();
    EXPECT_EQ(host.Unload(), kNoErr);
    EXPECT_EQ(CallsSince(mark),
              (Strings{"OnMessage SP Access/Unload", "OnUnload", "PrepareUnload", "BindInstance null"}));
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(sSuiteAcquisitionCount, 0);
    EXPECT_NE(host.Globals(), nullptr);

    mark = Calls().size();
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    EXPECT_EQ(host.Send(kSPAccessCaller, kSPAccessUnloadSelector), kNoErr);
    EXPECT_TRUE(CallsSince(mark).empty());

    const void* object = host.Globals();
    EXPECT_EQ(host.Reload(), kNoErr);
    EXPECT_EQ(CallsSince(mark), (Strings{"FixupAfterReload", "OnReload", "BindInstance this", "RefreshAfterLoad"}));
    EXPECT_EQ(host.Globals(), object);
    EXPECT_EQ(app.suites.TotalHeld(), 33);
    EXPECT_EQ(sSuiteAcquisitionCount, 1);
    EXPECT_EQ(Object()->AppStartedNotifier(), nullptr);
    EXPECT_EQ(Object()->AppShutdownNotifier(), nullptr);
    EXPECT_STREQ(Object()->Name(), "Recorder");
    EXPECT_EQ(Object()->LockCount(), 1);
    EXPECT_EQ(Record().destroyed, 0);
    EXPECT_EQ(HostCalls("SPPluginsSuite::SetPluginName"), 1u);

    mark = Calls().size();
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    EXPECT_EQ(CallsSince(mark), (Strings{"OnMessage AI Menu/AI Go", "OnMenuGo"}));
}

TEST_F(Lifecycle, AFailedReloadIsReportedAndLeavesThePluginUnloaded) {
    ASSERT_EQ(host.Startup(), kNoErr);
    ASSERT_EQ(host.Unload(), kNoErr);
    app.faults.LackSuite(kAIMenuSuite, kBad);
    EXPECT_EQ(host.Reload(), kBad);
    EXPECT_FALSE(Object()->HoldsSuites());
    EXPECT_EQ(Object()->LastError(), kBad);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    app.faults.Clear();
    EXPECT_EQ(host.Reload(), kNoErr);
    EXPECT_TRUE(Object()->HoldsSuites());
}

TEST_F(Lifecycle, TheModuleLockIsCountedAndTakenOnceFromTheHost) {
    ASSERT_EQ(host.Startup(), kNoErr);
    RecordingPlugin& plugin = *Object();
    EXPECT_EQ(plugin.KeepLoaded(true), kNoErr);
    EXPECT_EQ(plugin.LockCount(), 2);
    EXPECT_EQ(plugin.KeepLoaded(false), kNoErr);
    EXPECT_EQ(HostCalls("SPAccessSuite::AcquirePlugin"), 1u);
    EXPECT_EQ(HostCalls("SPAccessSuite::ReleasePlugin"), 0u);
    EXPECT_EQ(plugin.KeepLoaded(false), kNoErr);
    EXPECT_EQ(plugin.LockCount(), 0);
    EXPECT_EQ(HostCalls("SPAccessSuite::ReleasePlugin"), 1u);
    EXPECT_EQ(plugin.KeepLoaded(false), kNoErr);
    EXPECT_EQ(plugin.LockCount(), 0);
    EXPECT_EQ(HostCalls("SPAccessSuite::ReleasePlugin"), 1u);
}

TEST(PluginName, CopiesTerminatedWithinTheGivenLength) {
    Plugin plugin(nullptr);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    plugin.CopyName(buffer, 4);
    EXPECT_STREQ(buffer, "Plu");
    EXPECT_EQ(buffer[4], 'x');  // nothing written past the length given
    plugin.CopyName(buffer, 8);
    EXPECT_STREQ(buffer, "Plugin");
    EXPECT_EQ(buffer[7], '\0');
    plugin.CopyName(buffer, 0);
    EXPECT_STREQ(buffer, "Plugin");
}

}  // namespace
}  // namespace trimora::testing
