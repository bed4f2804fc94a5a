// A fresh host document with the module-wide suite pointers the geometry helpers call filled from it, and the
// module registered with the host so that it has a plug-in reference.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "headless/suites/PluginRegistry.h"
#include "plugin/host/SuiteSet.h"
#include "plugin/host/Suites.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

namespace trimora::testing {

using headless::ArtId;
using headless::LayerId;
using test::Children;

class GeometryTest : public headless::testing::HostTest {
protected:
    GeometryTest() {
        for (const SuiteEntry& row : rows_) {
            const void* table = nullptr;
            EXPECT_EQ(headless::HostBasicSuite()->AcquireSuite(row.name, row.version, &table), kNoErr) << row.name;
            std::memcpy(row.address, &table, sizeof table);
        }
        pluginRef = headless::RegisterPlugin(app, "/plugins/Trimora.aip");
    }
    ~GeometryTest() override {
        for (const SuiteEntry& row : rows_) {
            headless::HostBasicSuite()->ReleaseSuite(row.name, row.version);
            std::memset(row.address, 0, sizeof(void*));
        }
    }

    // Host calls made since `mark` whose names start with `prefix`.
    std::vector<std::string_view> CallsSince(std::size_t mark, std::string_view prefix = {}) {
        std::vector<std::string_view> out;
        for (std::string_view call : app.calls.Since(mark)) {
            if (call.starts_with(prefix)) out.push_back(call);
        }
        return out;
    }
    std::size_t Mark() const { return app.calls.Calls().size(); }

    // Runs `operation` once to learn the host calls it makes, then again for each of them failing in turn with
    // kFault, after `reset` has rebuilt the start; `check` gets the failing call, its position and the answer.
    static constexpr AIErr kFault = FourCharErr("FLT!");
    template <typename Operation, typename Reset, typename Check>
    void FailEachCall(Operation operation, Reset reset, Check check) {
        reset();
        const std::size_t mark = Mark();
        ASSERT_EQ(operation(), kNoErr);
        const std::vector<std::string_view> calls = CallsSince(mark);
        std::map<std::string_view, int> nth;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(std::string(calls[i]) + " #" + std::to_string(nth[calls[i]] + 1));
            reset();
            app.faults.FailCall(std::string(calls[i]), kFault, ++nth[calls[i]]);
            const AIErr err = operation();
            app.faults.Clear();
            check(calls[i], i, err);
        }
    }
    headless::ArtId GroupOf(headless::LayerId id) { return doc.FindLayer(id)->group; }

    SPPluginRef pluginRef = nullptr;

private:
    const SuiteEntry rows_[12] = {
        SuiteRow(kAIArtSuite, kAIArtSuiteVersion, &sAIArt),
        SuiteRow(kAIArtSetSuite, kAIArtSetSuiteVersion, &sAIArtSet),
        SuiteRow(kAILayerSuite, kAILayerSuiteVersion, &sAILayer),
        SuiteRow(kAIPathfinderSuite, kAIPathfinderSuiteVersion, &sAIPathfinder),
        SuiteRow(kAIPluginSuite, kAIPluginSuiteVersion, &sAIPlugin),
        SuiteRow(kAIPathSuite, kAIPathSuiteVersion, &sAIPath),
        SuiteRow(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &sAIPathStyle),
        SuiteRow(kAIRealMathSuite, kAIRealMathSuiteVersion, &sAIRealMath),
        SuiteRow(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &sAIShapeConstruction),
        SuiteRow(kAIGroupSuite, kAIGroupSuiteVersion, &sAIGroup),
        SuiteRow(kAIRasterSuite, kAIRasterSuiteVersion, &sAIRaster),
        SuiteRow(kSPBlocksSuite, kSPBlocksSuiteVersion, &sSPBlocks),
    };
};

}  // namespace trimora::testing
