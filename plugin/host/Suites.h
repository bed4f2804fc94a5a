// The module-wide pointers to the host's suites. SuiteSet fills them while the plug-in holds the suites and clears
// them when it gives them back; everything in between calls through them without checking.
#pragma once

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
#include "plugin/sdk/SPBasic.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"

// The basic suite of the latest message; PluginMain writes it before anything else.
extern const SPBasicSuite* sSPBasic;

// The framework's suites.
extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIAppContextSuite* sAIAppContext;
extern const AIUserSuite* sAIUser;
extern const AIFilePathSuite* sAIFilePath;
extern const AIFoldersSuite* sAIFolders;

// The plug-in's suites.
extern const SPBlocksSuite* sSPBlocks;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const AIActionManagerSuite* sAIActionManager;
extern const AIArtSuite* sAIArt;
extern const AIArtSetSuite* sAIArtSet;
extern const AIArtStyleSuite* sAIArtStyle;
extern const AIDocumentSuite* sAIDocument;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIFilterSuite* sAIFilter;
extern const AIGroupSuite* sAIGroup;
extern const AIHitTestSuite* sAIHitTest;
extern const AILayerSuite* sAILayer;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIMenuSuite* sAIMenu;
extern const AIModalParentSuite* sAIModalParent;
extern const AIPathSuite* sAIPath;
extern const AIPathfinderSuite* sAIPathfinder;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIPluginSuite* sAIPlugin;
extern const AIPluginGroupSuite* sAIPluginGroup;
extern const AIPreferenceSuite* sAIPreference;
extern const AIRasterSuite* sAIRaster;
extern const AIRealBezierSuite* sAIRealBezier;
extern const AIRealMathSuite* sAIRealMath;
extern const AIShapeConstructionSuite* sAIShapeConstruction;
extern const AIURLSuite* sAIURL;
