// Callers and selectors: the two strings that, with the message record, make up every call the host makes to a
// plug-in. Compared byte for byte, case-sensitively.
#pragma once

// Lifecycle of the plug-in.
constexpr const char* kSPInterfaceCaller = "SP Interface";
constexpr const char* kSPInterfaceStartupSelector = "Startup";
constexpr const char* kSPInterfaceShutdownSelector = "Shutdown";
constexpr const char* kSPInterfaceAboutSelector = "About";

// Unloading and reloading the plug-in's code while the plug-in stays alive.
constexpr const char* kSPAccessCaller = "SP Access";
constexpr const char* kSPAccessUnloadSelector = "Unload";
constexpr const char* kSPAccessReloadSelector = "Reload";

constexpr const char* kSPCacheCaller = "SP Cache";
constexpr const char* kSPPluginPurgeSelector = "Plug-in Purge";

constexpr const char* kSPPropertiesCaller = "SP Properties";
constexpr const char* kSPPropertiesAcquireSelector = "Acquire";
constexpr const char* kSPPropertiesReleaseSelector = "Release";

// Every notification arrives with this caller; the message's notifier tells which one fired.
constexpr const char* kCallerAINotify = "AI Notifier";
constexpr const char* kSelectorAINotify = "AI Notify";

constexpr const char* kActionCaller = "Action Manager";
constexpr const char* kDoActionSelector = "Do Action";

constexpr const char* kCallerAIMenu = "AI Menu";
constexpr const char* kSelectorAIGoMenuItem = "AI Go";
constexpr const char* kSelectorAIUpdateMenuItem = "AI Update";

constexpr const char* kCallerAIFilter = "AI Filter";
constexpr const char* kSelectorAIGetFilterParameters = "AI Get Parameters";
constexpr const char* kSelectorAIGoFilter = "AI Go";

constexpr const char* kCallerAIPluginGroup = "AI Plugin Group";
constexpr const char* kSelectorAINotifyEdits = "AI Notify Edits";
constexpr const char* kSelectorAIUpdateArt = "AI Update";

constexpr const char* kCallerAIFileFormat = "AI File Format";
constexpr const char* kSelectorAIGetFileFormatParameters = "AI Get Parameters";
constexpr const char* kSelectorAIGoFileFormat = "AI Go";
constexpr const char* kSelectorAICheckFileFormat = "AI Check";
constexpr const char* kSelectorAIUpdateFileFormat = "AI Update AI140";
constexpr const char* kSelectorAIFileFormatDoAction = "Do Action";

constexpr const char* kCallerAITool = "AI Tool";
constexpr const char* kSelectorAIEditToolOptions = "AI Edit Options";
constexpr const char* kSelectorAITrackToolCursor = "AI Track Cursor";
constexpr const char* kSelectorAIToolMouseDown = "AI Mouse Down";
constexpr const char* kSelectorAIToolMouseDrag = "AI Mouse Drag";
constexpr const char* kSelectorAIToolMouseUp = "AI Mouse Up";
constexpr const char* kSelectorAISelectTool = "AI Select";
constexpr const char* kSelectorAIDeselectTool = "AI Deselect";
constexpr const char* kSelectorAIReselectTool = "AI Reselect";
constexpr const char* kSelectorAIToolDecreaseDiameter = "AI Decrease Diameter";
constexpr const char* kSelectorAIToolIncreaseDiameter = "AI Increase Diameter";

constexpr const char* kCallerAILiveEffect = "AI Live Effect";
constexpr const char* kSelectorAIEditLiveEffectParameters = "AI Live Effect Edit Parameters";
constexpr const char* kSelectorAIGoLiveEffect = "AI Live Effect Go Live";
constexpr const char* kSelectorAILiveEffectInterpolate = "AI Live Effect Interpolate Parameters";
constexpr const char* kSelectorAILiveEffectInputType = "AI Live Effect Input Type";
constexpr const char* kSelectorAILiveEffectScaleParameters = "AI Live Effect Scale Parameters";
constexpr const char* kSelectorAILiveEffectConvertColorSpace = "AI Live Effect Convert Color Space";
constexpr const char* kSelectorAILiveEffectAdjustColors = "AI Live Effect Adjust Colors";
constexpr const char* kSelectorAILiveEffectHandleMerge = "AI Live Effect Handle Merge";

constexpr const char* kCallerAITimer = "AI Timer";
constexpr const char* kSelectorAIGoTimer = "AI Go";

constexpr const char* kCallerAIClipboard = "AI Clipboard";
constexpr const char* kSelectorAIGoClipboard = "AI Go";
constexpr const char* kSelectorAICanCopyClipboard = "AI Can Copy";
constexpr const char* kSelectorAICloneClipboard = "AI Clone";
constexpr const char* kSelectorAIDisposeClipboard = "AI Dispose";

constexpr const char* kAIWorkspaceCaller = "Workspace Manager";
constexpr const char* kAIWSWriteSelector = "Write Workspace";
constexpr const char* kAIWSRestoreSelector = "Restore Workspace";
constexpr const char* kAIWSDefaultSelector = "Default Workspace";
