// A fresh host application driving the module linked into the test program, whose factory makes a RecordingPlugin.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/loader/ModuleHost.h"
#include "plugin/host/ErrorReport.h"
#include "plugin/host/PluginMain.h"
#include "plugin/host/SuiteSet.h"
#include "tests/plugin/host/RecordingPlugin.h"
#include "tests/support/HostFixture.h"

namespace trimora::testing {

inline constexpr const char* kModuleFile = "/plugins/Recorder.aip";
inline const ASErr kBad = FourCharErr("BAD!");

class ModuleTest : public headless::testing::HostTest {
protected:
    ModuleTest() {
        Record().Clear();
        host.Attach(&PluginMain, kModuleFile);
    }
    ~ModuleTest() override {
        if (host.Globals()) host.Shutdown();
        SetCalendarClock(nullptr);
        Record().Clear();
        EXPECT_EQ(sSuiteAcquisitionCount, 0) << "suites left held";
    }

    RecordingPlugin* Object() { return static_cast<RecordingPlugin*>(host.Globals()); }
    const std::vector<std::string>& Calls() { return Record().calls; }
    // The module's own calls since the mark, without the host's.
    std::vector<std::string> CallsSince(std::size_t mark) {
        return {Calls().begin() + static_cast<std::ptrdiff_t>(mark), Calls().end()};
    }
    std::size_t HostCalls(std::string_view name) { return app.calls.Count(name); }

    headless::ModuleHost host{app};
};

}  // namespace trimora::testing
