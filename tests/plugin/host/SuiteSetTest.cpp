// Suite acquisition and release against the host's fault plan: partial acquisitions given back, the shared
// count, releases that stop at a refusal, and the optional part of a table.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "plugin/host/Suites.h"
#include "tests/plugin/host/ModuleFixture.h"

namespace trimora::testing {
namespace {

std::vector<const SuiteEntry*> AllRows() {
    std::vector<const SuiteEntry*> rows;
    for (const SuiteEntry& row : FrameworkSuites())
        rows.push_back(&row);
    for (const SuiteEntry* row = PluginSuites(); row->name; ++row)
        rows.push_back(row);
    return rows;
}

class Suites : public ModuleTest {
protected:
    Suites() { sSPBasic = headless::HostBasicSuite(); }
    ~Suites() override {
        // Whatever a refused release left filled.
        for (const SuiteEntry* row : AllRows()) {
            if (HeldSuite(*row)) std::memset(row->address, 0, sizeof(void*));
        }
        sSuiteAcquisitionCount = 0;
    }

    // As the plug-in holds a set: the count is 1 once it is made, whatever the host said.
    std::unique_ptr<SuiteSet> Acquire() {
        auto set = std::make_unique<SuiteSet>();
        sSuiteAcquisitionCount = 1;
        return set;
    }
};

TEST_F(Suites, TheTablesNameThirtyThreeSuitesInTheirOrder) {
    const auto rows = AllRows();
    ASSERT_EQ(rows.size(), 33u);
    EXPECT_STREQ(rows.front()->name, "SP Access Suite");
    EXPECT_STREQ(rows[6]->name, "AI Folders Suite");
    EXPECT_STREQ(rows[7]->name, "SP Blocks Suite");
    EXPECT_STREQ(rows[18]->name, "AI Layer Suite");
    EXPECT_EQ(rows[18]->version, 13);
    EXPECT_STREQ(rows.back()->name, "AI URL Suite");
    EXPECT_EQ(PluginSuites()[26].version, 0);  // no optional part
}

TEST_F(Suites, AcquiresEveryRowAndGivesEveryOneBack) {
    auto set = Acquire();
    EXPECT_EQ(set->AcquisitionCode(), kNoErr);
    EXPECT_EQ(set->RequiredCount(), 26);
    EXPECT_EQ(set->OptionalCount(), 0);
    EXPECT_EQ(app.suites.TotalHeld(), 33);
    for (const SuiteEntry* row : AllRows())
        EXPECT_EQ(HeldSuite(*row), app.suites.Find(row->name, row->version)) << row->name;
    set.reset();
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(sAIURL, nullptr);
}

TEST_F(Suites, AHostLackingTheLayerSuiteGetsTheEighteenBeforeItBack) {
    app.faults.LackSuite(kAILayerSuite, FourCharErr("NOPE"));
    auto set = Acquire();
    EXPECT_EQ(set->AcquisitionCode(), FourCharErr("NOPE"));
    EXPECT_EQ(app.suites.TotalHeld(), 18);
    EXPECT_NE(sAIHitTest, nullptr);
    EXPECT_EQ(sAILayer, nullptr);
    EXPECT_EQ(sAIMenu, nullptr);
    set.reset();
    EXPECT_EQ(HostCalls("SPBasicSuite::ReleaseSuite"), 18u);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    for (const SuiteEntry* row : AllRows())
        EXPECT_EQ(HeldSuite(*row), nullptr) << row->name;
}

TEST_F(Suites, SetsMadeWhileOthersLiveShareTheirSuitesWithoutAskingTheHost) {
    auto first = Acquire();
    const std::size_t calls = app.calls.Calls().size();
    {
        SuiteSet second;
        EXPECT_EQ(second.AcquisitionCode(), kNoErr);
        EXPECT_EQ(sSuiteAcquisitionCount, 2);
    }
    EXPECT_EQ(sSuiteAcquisitionCount, 1);
    EXPECT_EQ(app.calls.Calls().size(), calls);
    EXPECT_NE(sAIArt, nullptr);
    first.reset();
    EXPECT_EQ(sSuiteAcquisitionCount, 0);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
}

TEST_F(Suites, AReleaseStopsAtTheFirstRefusalAndLeavesTheLaterRowsHeld) {
    auto set = Acquire();
    app.faults.FailCall("SPBasicSuite::ReleaseSuite", FourCharErr("BAD!"), 3);
    set.reset();
    const auto rows = AllRows();
    EXPECT_EQ(HeldSuite(*rows[0]), nullptr);
    EXPECT_EQ(HeldSuite(*rows[1]), nullptr);
    EXPECT_EQ(HeldSuite(*rows[2]), nullptr);  // cleared whatever the host answered
    for (std::size_t i = 3; i < rows.size(); ++i)
        EXPECT_NE(HeldSuite(*rows[i]), nullptr) << rows[i]->name;
    EXPECT_EQ(app.suites.TotalHeld(), 31);
    EXPECT_EQ(HostCalls("SPBasicSuite::ReleaseSuite"), 3u);
}

TEST_F(Suites, OptionalSuitesMayBeMissingAndAreTriedAgain) {
    const AIArtSuite* art = nullptr;
    const AILayerSuite* layer = nullptr;
    const AIGroupSuite* group = nullptr;
    const AIPathSuite* path = nullptr;
    const std::array<SuiteEntry, 1> framework = {SuiteRow(kAIArtSuite, kAIArtSuiteVersion, &art)};
    const SuiteEntry table[] = {
        SuiteRow(kAIGroupSuite, kAIGroupSuiteVersion, &group),
        {nullptr, kOptionalSuitesMarker, nullptr},
        SuiteRow(kAILayerSuite, kAILayerSuiteVersion, &layer),
        SuiteRow(kAIPathSuite, kAIPathSuiteVersion, &path),
        {nullptr, 0, nullptr},
    };
    app.faults.LackSuite(kAILayerSuite);
    auto set = std::make_unique<SuiteSet>(framework, table);
    sSuiteAcquisitionCount = 1;
    EXPECT_EQ(set->AcquisitionCode(), kNoErr);
    EXPECT_EQ(set->RequiredCount(), 1);
    EXPECT_EQ(set->OptionalCount(), 2);
    EXPECT_EQ(set->OptionalAcquired(), 1);
    EXPECT_EQ(layer, nullptr);
    EXPECT_NE(path, nullptr);

    app.faults.Clear();
    set->RetryOptionalSuites();
    EXPECT_EQ(set->OptionalAcquired(), 2);
    EXPECT_NE(layer, nullptr);
    set->RetryOptionalSuites();  // nothing missing: no new acquisition
    EXPECT_EQ(app.suites.TotalHeld(), 4);
    set.reset();
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    EXPECT_EQ(path, nullptr);
}

TEST_F(Suites, AMissingOptionalSuiteDoesNotKeepALaterOneFromGoingBack) {
    const AILayerSuite* layer = nullptr;
    const AIPathSuite* path = nullptr;
    const SuiteEntry table[] = {
        {nullptr, kOptionalSuitesMarker, nullptr},
        SuiteRow(kAILayerSuite, kAILayerSuiteVersion, &layer),
        SuiteRow(kAIPathSuite, kAIPathSuiteVersion, &path),
        {nullptr, 0, nullptr},
    };
    app.faults.LackSuite(kAILayerSuite);
    auto set = std::make_unique<SuiteSet>(std::span<const SuiteEntry>{}, table);
    sSuiteAcquisitionCount = 1;
    EXPECT_EQ(set->OptionalAcquired(), 1);
    set.reset();
    EXPECT_EQ(path, nullptr);
    EXPECT_EQ(app.suites.Held(kAIPathSuite), 0);
}

}  // namespace
}  // namespace trimora::testing
