// The module-wide suite pointers and the two tables that name the suite and version behind each of them.
#include "plugin/host/Suites.h"

#include <array>

#include "plugin/host/SuiteSet.h"

const SPBasicSuite* sSPBasic = nullptr;

const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIAppContextSuite* sAIAppContext = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIFilePathSuite* sAIFilePath = nullptr;
const AIFoldersSuite* sAIFolders = nullptr;

const SPBlocksSuite* sSPBlocks = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIActionManagerSuite* sAIActionManager = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIArtSetSuite* sAIArtSet = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIFilterSuite* sAIFilter = nullptr;
const AIGroupSuite* sAIGroup = nullptr;
const AIHitTestSuite* sAIHitTest = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIMenuSuite* sAIMenu = nullptr;
const AIModalParentSuite* sAIModalParent = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathfinderSuite* sAIPathfinder = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const AIPluginGroupSuite* sAIPluginGroup = nullptr;
const AIPreferenceSuite* sAIPreference = nullptr;
const AIRasterSuite* sAIRaster = nullptr;
const AIRealBezierSuite* sAIRealBezier = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIShapeConstructionSuite* sAIShapeConstruction = nullptr;
const AIURLSuite* sAIURL = nullptr;

namespace {

const std::array<SuiteEntry, 7> kFrameworkSuites = {
    SuiteRow(kSPAccessSuite, kSPAccessSuiteVersion, &sSPAccess),
    SuiteRow(kSPPluginsSuite, kSPPluginsSuiteVersion, &sSPPlugins),
    SuiteRow(kAINotifierSuite, kAINotifierSuiteVersion, &sAINotifier),
    SuiteRow(kAIAppContextSuite, kAIAppContextSuiteVersion, &sAIAppContext),
    SuiteRow(kAIUserSuite, kAIUserSuiteVersion, &sAIUser),
    SuiteRow(kAIFilePathSuite, kAIFilePathSuiteVersion, &sAIFilePath),
    SuiteRow(kAIFoldersSuite, kAIFoldersSuiteVersion, &sAIFolders),
};

// 26 required rows and no optional part.
const SuiteEntry kPluginSuites[] = {
    SuiteRow(kSPBlocksSuite, kSPBlocksSuiteVersion, &sSPBlocks),
    SuiteRow(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &sAIUnicodeString),
    SuiteRow(kAIActionManagerSuite, kAIActionManagerSuiteVersion, &sAIActionManager),
    SuiteRow(kAIArtSuite, kAIArtSuiteVersion, &sAIArt),
    SuiteRow(kAIArtSetSuite, kAIArtSetSuiteVersion, &sAIArtSet),
    SuiteRow(kAIArtStyleSuite, kAIArtStyleSuiteVersion, &sAIArtStyle),
    SuiteRow(kAIDocumentSuite, kAIDocumentSuiteVersion, &sAIDocument),
    SuiteRow(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &sAIDocumentView),
    SuiteRow(kAIFilterSuite, kAIFilterSuiteVersion, &sAIFilter),
    SuiteRow(kAIGroupSuite, kAIGroupSuiteVersion, &sAIGroup),
    SuiteRow(kAIHitTestSuite, kAIHitTestSuiteVersion, &sAIHitTest),
    SuiteRow(kAILayerSuite, kAILayerSuiteVersion, &sAILayer),
    SuiteRow(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &sAIMdMemory),
    SuiteRow(kAIMenuSuite, kAIMenuSuiteVersion, &sAIMenu),
    SuiteRow(kAIModalParentSuite, kAIModalParentSuiteVersion, &sAIModalParent),
    SuiteRow(kAIPathSuite, kAIPathSuiteVersion, &sAIPath),
    SuiteRow(kAIPathfinderSuite, kAIPathfinderSuiteVersion, &sAIPathfinder),
    SuiteRow(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &sAIPathStyle),
    SuiteRow(kAIPluginSuite, kAIPluginSuiteVersion, &sAIPlugin),
    SuiteRow(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, &sAIPluginGroup),
    SuiteRow(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &sAIPreference),
    SuiteRow(kAIRasterSuite, kAIRasterSuiteVersion, &sAIRaster),
    SuiteRow(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &sAIRealBezier),
    SuiteRow(kAIRealMathSuite, kAIRealMathSuiteVersion, &sAIRealMath),
    SuiteRow(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &sAIShapeConstruction),
    SuiteRow(kAIURLSuite, kAIURLSuiteVersion, &sAIURL),
    {nullptr, 0, nullptr},
};

}  // namespace

std::span<const SuiteEntry> FrameworkSuites() {
    return kFrameworkSuites;
}

const SuiteEntry* PluginSuites() {
    return kPluginSuites;
}
