// The host publishes every suite the module asks for, at the version it asks for, and a test can take any one away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AIArtSet.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AIContext.h"
#include "plugin/sdk/AIDocument.h"
#include "plugin/sdk/AIDocumentView.h"
#include "plugin/sdk/AIFilePath.h"
#include "plugin/sdk/AIFilter.h"
#include "plugin/sdk/AIFolders.h"
#include "plugin/sdk/AIGroup.h"
#include "plugin/sdk/AIHitTest.h"
#include "plugin/sdk/AILayer.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIMenu.h"
#include "plugin/sdk/AIModalParent.h"
#include "plugin/sdk/AINotifier.h"
#include "plugin/sdk/AIPath.h"
#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AIPathfinder.h"
#include "plugin/sdk/AIPlugin.h"
#include "plugin/sdk/AIPluginGroup.h"
#include "plugin/sdk/AIPreference.h"
#include "plugin/sdk/AIRaster.h"
#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"
#include "plugin/sdk/AIShapeConstruction.h"
#include "plugin/sdk/AIURL.h"
#include "plugin/sdk/AIUnicodeString.h"
#include "plugin/sdk/AIUser.h"
#include "plugin/sdk/SPAccess.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

struct Row {
    const char* name;
    int version;
};

// The module's two tables, framework first, in the order it acquires them.
const std::vector<Row> kModuleSuites = {
    {kSPAccessSuite, kSPAccessSuiteVersion},
    {kSPPluginsSuite, kSPPluginsSuiteVersion},
    {kAINotifierSuite, kAINotifierSuiteVersion},
    {kAIAppContextSuite, kAIAppContextSuiteVersion},
    {kAIUserSuite, kAIUserSuiteVersion},
    {kAIFilePathSuite, kAIFilePathSuiteVersion},
    {kAIFoldersSuite, kAIFoldersSuiteVersion},
    {kSPBlocksSuite, kSPBlocksSuiteVersion},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion},
    {kAIActionManagerSuite, kAIActionManagerSuiteVersion},
    {kAIArtSuite, kAIArtSuiteVersion},
    {kAIArtSetSuite, kAIArtSetSuiteVersion},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion},
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
    {kAIFilterSuite, kAIFilterSuiteVersion},
    {kAIGroupSuite, kAIGroupSuiteVersion},
    {kAIHitTestSuite, kAIHitTestSuiteVersion},
    {kAILayerSuite, kAILayerSuiteVersion},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
    {kAIMenuSuite, kAIMenuSuiteVersion},
    {kAIModalParentSuite, kAIModalParentSuiteVersion},
    {kAIPathSuite, kAIPathSuiteVersion},
    {kAIPathfinderSuite, kAIPathfinderSuiteVersion},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
    {kAIPluginSuite, kAIPluginSuiteVersion},
    {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
    {kAIRasterSuite, kAIRasterSuiteVersion},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
    {kAIRealMathSuite, kAIRealMathSuiteVersion},
    {kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion},
    {kAIURLSuite, kAIURLSuiteVersion},
};

// Plays the module: acquires every suite in order, stopping at the first refusal, then releases what it holds.
AIErr AcquireAllThenRelease(const SPBasicSuite* basic, std::vector<const void*>& tables) {
    AIErr result = kNoErr;
    for (const Row& row : kModuleSuites) {
        const void* table = nullptr;
        result = basic->AcquireSuite(row.name, row.version, &table);
        if (result) break;
        tables.push_back(table);
    }
    for (std::size_t i = 0; i < tables.size(); ++i) {
        EXPECT_EQ(basic->ReleaseSuite(kModuleSuites[i].name, kModuleSuites[i].version), kNoErr);
    }
    return result;
}

class PublishedSuites : public testing::HostTest {};

TEST_F(PublishedSuites, EveryModuleSuiteIsGrantedAndTakenBack) {
    ASSERT_EQ(kModuleSuites.size(), 33u);
    std::vector<const void*> tables;
    EXPECT_EQ(AcquireAllThenRelease(HostBasicSuite(), tables), kNoErr);
    ASSERT_EQ(tables.size(), 33u);
    for (const void* t : tables)
        EXPECT_NE(t, nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    // Each grant went through the basic suite's entry, so the log shows the module's order.
    const auto acquisitions = app.calls.Matching("SPBasicSuite::AcquireSuite");
    EXPECT_EQ(acquisitions.size(), 33u);
}

TEST_F(PublishedSuites, AnyOneSuiteCanBeRefusedWithACodeOfTheTestsChoice) {
    for (std::size_t missing = 0; missing < kModuleSuites.size(); ++missing) {
        Application fresh;  // each round starts from a clean host
        fresh.faults.LackSuite(kModuleSuites[missing].name, FourCharErr("GONE"));
        std::vector<const void*> tables;
        EXPECT_EQ(AcquireAllThenRelease(HostBasicSuite(), tables), FourCharErr("GONE")) << kModuleSuites[missing].name;
        EXPECT_EQ(tables.size(), missing);
        EXPECT_EQ(fresh.suites.TotalHeld(), 0);
    }
}

TEST_F(PublishedSuites, AnotherVersionIsNotGranted) {
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(HostBasicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion + 1, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(HostBasicSuite()->AcquireSuite("AI Art Suite ", kAIArtSuiteVersion, &table), kSPSuiteNotFoundError);
}

}  // namespace
}  // namespace headless
