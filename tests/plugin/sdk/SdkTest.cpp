// The host interface's binding values: suite names and versions, message layouts, codes and constants that the
// module and the headless host must agree on.
#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AIArtSet.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AICallers.h"
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
#include "plugin/sdk/SPMessageData.h"
#include "plugin/sdk/SPPlugins.h"

namespace {

struct NamedValue {
    const char* declared;
    std::string_view expected;
};

struct SuiteRow {
    const char* name;
    int version;
    std::string_view expectedName;
    int expectedVersion;
};

// The framework suites first, then the plug-in suites, each in acquisition order.
constexpr SuiteRow kSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, "SP Access Suite", 3},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, "SP Plug-ins Suite", 6},
    {kAINotifierSuite, kAINotifierSuiteVersion, "AI Notifier Suite", 4},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, "AI Context Suite", 10},
    {kAIUserSuite, kAIUserSuiteVersion, "AI User Suite", 19},
    {kAIFilePathSuite, kAIFilePathSuiteVersion, "AI File Path Suite", 8},
    {kAIFoldersSuite, kAIFoldersSuiteVersion, "AI Folders Suite", 5},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, "SP Blocks Suite", 2},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, "AI Unicode String Suite", 9},
    {kAIActionManagerSuite, kAIActionManagerSuiteVersion, "AI Action Manager Suite", 5},
    {kAIArtSuite, kAIArtSuiteVersion, "AI Art Suite", 21},
    {kAIArtSetSuite, kAIArtSetSuiteVersion, "AI Art Set Suite", 9},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, "AI Art Style Suite", 8},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, "AI Document Suite", 19},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, "AI Document View Suite", 15},
    {kAIFilterSuite, kAIFilterSuiteVersion, "AI Filter Suite", 4},
    {kAIGroupSuite, kAIGroupSuiteVersion, "AI Group Suite", 5},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, "AI Hit Test Suite", 7},
    {kAILayerSuite, kAILayerSuiteVersion, "AI Layer Suite", 13},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, "AI MdMemory Suite", 3},
    {kAIMenuSuite, kAIMenuSuiteVersion, "AI Menu Suite", 11},
    {kAIModalParentSuite, kAIModalParentSuiteVersion, "AI Modal Parent Suite", 2},
    {kAIPathSuite, kAIPathSuiteVersion, "AI Path Suite", 12},
    {kAIPathfinderSuite, kAIPathfinderSuiteVersion, "AI Pathfinder Suite", 6},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, "AI Path Style Suite", 14},
    {kAIPluginSuite, kAIPluginSuiteVersion, "AI Plugin Suite", 5},
    {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, "AI Plugin Group Suite", 6},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion, "AI Preference Suite", 7},
    {kAIRasterSuite, kAIRasterSuiteVersion, "AI Raster Suite", 10},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion, "AI Real Bezier Suite", 4},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, "AI Real Math Suite", 5},
    {kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, "AI Shape Construction Suite", 8},
    {kAIURLSuite, kAIURLSuiteVersion, "AI URL Suite", 3},
};

TEST(SdkSuiteNames, EveryTableRowHasItsPublishedNameAndVersion) {
    ASSERT_EQ(std::size(kSuites), 33u);
    for (const SuiteRow& row : kSuites) {
        EXPECT_EQ(row.name, row.expectedName);
        EXPECT_EQ(row.version, row.expectedVersion) << row.expectedName;
    }
}

TEST(SdkSuiteNames, NoTwoSuitesShareAName) {
    for (std::size_t i = 0; i < std::size(kSuites); ++i) {
        for (std::size_t j = i + 1; j < std::size(kSuites); ++j) {
            EXPECT_NE(std::string_view(kSuites[i].name), kSuites[j].name);
        }
    }
}

TEST(SdkFourCharCodes, FirstCharacterIsTheMostSignificantByte) {
    EXPECT_EQ(FourCharCode("ABCD"), 0x41424344u);
    // High-bit characters must not sign-extend into the other bytes.
    EXPECT_EQ(FourCharCode("\xff\x01\x02\x03"), 0xFF010203u);
}

TEST(SdkFourCharCodes, AgreeWithCharacterLiterals) {
    // The module writes codes as multi-character literals; they must be the same values.
    EXPECT_EQ(kOutOfMemoryErr, static_cast<ASErr>(0x214D454D));
    EXPECT_EQ(kOutOfMemoryErr, '!MEM');
    EXPECT_EQ(kUnhandledMsgErr, '!MSG');
    EXPECT_EQ(kCanceledErr, 'STOP');
    EXPECT_EQ(kPurgeFalseErr, 'pFls');
    EXPECT_EQ(kActionTypeEnumerated, static_cast<ASUInt32>('enum'));
    EXPECT_EQ(kActionTypeBoolean, static_cast<ASUInt32>('bool'));
}

TEST(SdkMessageRecords, CommonHeaderHoldsSelfGlobalsBasicInThatOrder) {
    EXPECT_EQ(offsetof(SPMessageData, self), 0u);
    EXPECT_EQ(offsetof(SPMessageData, globals), sizeof(void*));
    EXPECT_EQ(offsetof(SPMessageData, basic), 2 * sizeof(void*));
}

TEST(SdkMessageRecords, EveryMessageBeginsWithTheHeaderAndContinuesRightAfterIt) {
    EXPECT_EQ(offsetof(AINotifierMessage, d), 0u);
    EXPECT_EQ(offsetof(AINotifierMessage, notifier), sizeof(SPMessageData));
    EXPECT_EQ(offsetof(AIMenuMessage, d), 0u);
    EXPECT_EQ(offsetof(AIMenuMessage, menuItem), sizeof(SPMessageData));
    EXPECT_EQ(offsetof(DoActionMessage, d), 0u);
    EXPECT_EQ(offsetof(DoActionMessage, showDialog), sizeof(SPMessageData));
    EXPECT_GT(offsetof(DoActionMessage, param), offsetof(DoActionMessage, showDialog));
    EXPECT_EQ(offsetof(AIFilterMessage, d), 0u);
}

TEST(SdkRecords, PlatformFileSpecificationIs600Bytes) {
    EXPECT_EQ(sizeof(SPPlatformFileSpecification), 600u);
}

TEST(SdkRecords, HostBooleansAreThirtyTwoBits) {
    EXPECT_EQ(sizeof(AIBoolean), 4u);
    EXPECT_EQ(sizeof(AIErr), 4u);
}

TEST(SdkConstants, ValuesTheModulePassesByNumber) {
    EXPECT_EQ(kPlaceAbove, 1);
    EXPECT_EQ(kPlaceBelow, 2);
    EXPECT_EQ(kPlaceInsideOnTop, 3);
    EXPECT_EQ(kPlaceInsideOnBottom, 4);
    EXPECT_EQ(kPlaceAboveAll, 5);
    EXPECT_EQ(kArtLocked | kArtHidden, 6);
    EXPECT_EQ(kDialogOff, 3);
    EXPECT_EQ(kIfOpenDocument, 64u);
    EXPECT_EQ(kAutoEnableMenuItemAction, 1);
    EXPECT_EQ(kMenuGroupSortedAlphabeticallyOption, 1);
    EXPECT_EQ(kAIPlatformCharacterEncoding, 0);
    EXPECT_EQ(kAIUTF8CharacterEncoding, 1);
    EXPECT_EQ(kAllHitRequest, 0);
    EXPECT_EQ(kArtStyleHasFill, 1u);
    EXPECT_EQ(kGradient, 4);
    EXPECT_EQ(kControlBounds, 2);
}

TEST(SdkCallers, EveryRoutedCallerAndSelectorHasItsText) {
    const NamedValue texts[] = {
        {kSPInterfaceCaller, "SP Interface"},
        {kSPInterfaceStartupSelector, "Startup"},
        {kSPInterfaceShutdownSelector, "Shutdown"},
        {kSPInterfaceAboutSelector, "About"},
        {kSPAccessCaller, "SP Access"},
        {kSPAccessUnloadSelector, "Unload"},
        {kSPAccessReloadSelector, "Reload"},
        {kSPCacheCaller, "SP Cache"},
        {kSPPluginPurgeSelector, "Plug-in Purge"},
        {kSPPropertiesCaller, "SP Properties"},
        {kSPPropertiesAcquireSelector, "Acquire"},
        {kSPPropertiesReleaseSelector, "Release"},
        {kCallerAINotify, "AI Notifier"},
        {kSelectorAINotify, "AI Notify"},
        {kActionCaller, "Action Manager"},
        {kDoActionSelector, "Do Action"},
        {kCallerAIMenu, "AI Menu"},
        {kSelectorAIGoMenuItem, "AI Go"},
        {kSelectorAIUpdateMenuItem, "AI Update"},
        {kCallerAIFilter, "AI Filter"},
        {kSelectorAIGetFilterParameters, "AI Get Parameters"},
        {kSelectorAIGoFilter, "AI Go"},
        {kCallerAIPluginGroup, "AI Plugin Group"},
        {kSelectorAINotifyEdits, "AI Notify Edits"},
        {kSelectorAIUpdateArt, "AI Update"},
        {kCallerAIFileFormat, "AI File Format"},
        {kSelectorAIGetFileFormatParameters, "AI Get Parameters"},
        {kSelectorAIGoFileFormat, "AI Go"},
        {kSelectorAICheckFileFormat, "AI Check"},
        {kSelectorAIUpdateFileFormat, "AI Update AI140"},
        {kSelectorAIFileFormatDoAction, "Do Action"},
        {kCallerAITool, "AI Tool"},
        {kSelectorAIEditToolOptions, "AI Edit Options"},
        {kSelectorAITrackToolCursor, "AI Track Cursor"},
        {kSelectorAIToolMouseDown, "AI Mouse Down"},
        {kSelectorAIToolMouseDrag, "AI Mouse Drag"},
        {kSelectorAIToolMouseUp, "AI Mouse Up"},
        {kSelectorAISelectTool, "AI Select"},
        {kSelectorAIDeselectTool, "AI Deselect"},
        {kSelectorAIReselectTool, "AI Reselect"},
        {kSelectorAIToolDecreaseDiameter, "AI Decrease Diameter"},
        {kSelectorAIToolIncreaseDiameter, "AI Increase Diameter"},
        {kCallerAILiveEffect, "AI Live Effect"},
        {kSelectorAIEditLiveEffectParameters, "AI Live Effect Edit Parameters"},
        {kSelectorAIGoLiveEffect, "AI Live Effect Go Live"},
        {kSelectorAILiveEffectInterpolate, "AI Live Effect Interpolate Parameters"},
        {kSelectorAILiveEffectInputType, "AI Live Effect Input Type"},
        {kSelectorAILiveEffectScaleParameters, "AI Live Effect Scale Parameters"},
        {kSelectorAILiveEffectConvertColorSpace, "AI Live Effect Convert Color Space"},
        {kSelectorAILiveEffectAdjustColors, "AI Live Effect Adjust Colors"},
        {kSelectorAILiveEffectHandleMerge, "AI Live Effect Handle Merge"},
        {kCallerAITimer, "AI Timer"},
        {kSelectorAIGoTimer, "AI Go"},
        {kCallerAIClipboard, "AI Clipboard"},
        {kSelectorAIGoClipboard, "AI Go"},
        {kSelectorAICanCopyClipboard, "AI Can Copy"},
        {kSelectorAICloneClipboard, "AI Clone"},
        {kSelectorAIDisposeClipboard, "AI Dispose"},
        {kAIWorkspaceCaller, "Workspace Manager"},
        {kAIWSWriteSelector, "Write Workspace"},
        {kAIWSRestoreSelector, "Restore Workspace"},
        {kAIWSDefaultSelector, "Default Workspace"},
        {kAIApplicationStartedNotifier, "AI Application Started Notifier"},
        {kAIApplicationShutdownNotifier, "AI Application Shutdown Notifier"},
        {kAISymbolismPluginGroupName, "Adobe Symbolism"},
    };
    for (const NamedValue& text : texts)
        EXPECT_EQ(text.declared, text.expected);
}

}  // namespace
