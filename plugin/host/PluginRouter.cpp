// OnMessage: every pair of caller and selector the host may send, matched exactly, to its handler.
#include <cstring>

#include "plugin/host/AppContextScope.h"
#include "plugin/host/Plugin.h"
#include "plugin/sdk/AICallers.h"
#include "plugin/sdk/AINotifier.h"

namespace {

struct Route {
    const char* caller;
    const char* selector;
    ASErr (Plugin::*handler)(void*);  // null: answered 0 without a call
};

// "SP Cache" and "AI Notifier" are routed apart: their handlers take other arguments.
const Route kRoutes[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, &Plugin::OnUnload},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, nullptr},
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr},
    {kSPPropertiesCaller, kSPPropertiesAcquireSelector, &Plugin::OnAcquireProperty},
    {kSPPropertiesCaller, kSPPropertiesReleaseSelector, &Plugin::OnReleaseProperty},
    {kActionCaller, kDoActionSelector, &Plugin::OnDoAction},
    {kCallerAIMenu, kSelectorAIGoMenuItem, &Plugin::OnMenuGo},
    {kCallerAIMenu, kSelectorAIUpdateMenuItem, &Plugin::OnMenuUpdate},
    {kCallerAIFilter, kSelectorAIGetFilterParameters, &Plugin::OnFilterGetParameters},
    {kCallerAIFilter, kSelectorAIGoFilter, &Plugin::OnFilterGo},
    {kCallerAIPluginGroup, kSelectorAINotifyEdits, &Plugin::OnPluginGroupNotifyEdits},
    {kCallerAIPluginGroup, kSelectorAIUpdateArt, &Plugin::OnPluginGroupUpdate},
    {kCallerAIFileFormat, kSelectorAIGetFileFormatParameters, &Plugin::OnFileFormatGetParameters},
    {kCallerAIFileFormat, kSelectorAIGoFileFormat, &Plugin::OnFileFormatGo},
    {kCallerAIFileFormat, kSelectorAICheckFileFormat, &Plugin::OnFileFormatCheck},
    {kCallerAIFileFormat, kSelectorAIUpdateFileFormat, &Plugin::OnFileFormatUpdate},
    {kCallerAIFileFormat, kSelectorAIFileFormatDoAction, &Plugin::OnFileFormatDoAction},
    {kCallerAITool, kSelectorAIEditToolOptions, &Plugin::OnToolEditOptions},
    {kCallerAITool, kSelectorAITrackToolCursor, &Plugin::OnToolTrackCursor},
    {kCallerAITool, kSelectorAIToolMouseDown, &Plugin::OnToolMouseDown},
    {kCallerAITool, kSelectorAIToolMouseDrag, &Plugin::OnToolMouseDrag},
    {kCallerAITool, kSelectorAIToolMouseUp, &Plugin::OnToolMouseUp},
    {kCallerAITool, kSelectorAISelectTool, &Plugin::OnToolSelect},
    {kCallerAITool, kSelectorAIDeselectTool, &Plugin::OnToolDeselect},
    {kCallerAITool, kSelectorAIReselectTool, &Plugin::OnToolReselect},
    {kCallerAITool, kSelectorAIToolDecreaseDiameter, &Plugin::OnToolDecreaseDiameter},
    {kCallerAITool, kSelectorAIToolIncreaseDiameter, &Plugin::OnToolIncreaseDiameter},
    {kCallerAILiveEffect, kSelectorAIEditLiveEffectParameters, &Plugin::OnLiveEffectEditParameters},
    {kCallerAILiveEffect, kSelectorAIGoLiveEffect, &Plugin::OnLiveEffectGoLive},
    {kCallerAILiveEffect, kSelectorAILiveEffectInterpolate, &Plugin::OnLiveEffectInterpolateParameters},
    {kCallerAILiveEffect, kSelectorAILiveEffectInputType, &Plugin::OnLiveEffectInputType},
    {kCallerAILiveEffect, kSelectorAILiveEffectScaleParameters, &Plugin::OnLiveEffectScaleParameters},
    {kCallerAILiveEffect, kSelectorAILiveEffectConvertColorSpace, &Plugin::OnLiveEffectConvertColorSpace},
    {kCallerAILiveEffect, kSelectorAILiveEffectAdjustColors, &Plugin::OnLiveEffectAdjustColors},
    {kCallerAILiveEffect, kSelectorAILiveEffectHandleMerge, &Plugin::OnLiveEffectHandleMerge},
    {kCallerAITimer, kSelectorAIGoTimer, &Plugin::OnTimerGo},
    {kCallerAIClipboard, kSelectorAIGoClipboard, &Plugin::OnClipboardGo},
    {kCallerAIClipboard, kSelectorAICanCopyClipboard, &Plugin::OnClipboardCanCopy},
    {kCallerAIClipboard, kSelectorAICloneClipboard, &Plugin::OnClipboardClone},
    {kCallerAIClipboard, kSelectorAIDisposeClipboard, &Plugin::OnClipboardDispose},
    {kAIWorkspaceCaller, kAIWSWriteSelector, &Plugin::OnWriteWorkspace},
    {kAIWorkspaceCaller, kAIWSRestoreSelector, &Plugin::OnRestoreWorkspace},
    {kAIWorkspaceCaller, kAIWSDefaultSelector, &Plugin::OnDefaultWorkspace},
};

bool Equal(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

}  // namespace

ASErr Plugin::OnMessage(const char* caller, const char* selector, void* message) {
    RetryOptionalSuites();
    if (Equal(caller, kSPCacheCaller)) {
        if (!Equal(selector, kSPPluginPurgeSelector)) return kUnhandledMsgErr;
        return OnPurge() ? kPurgeFalseErr : kNoErr;
    }
    if (Equal(caller, kCallerAINotify)) return RouteNotifier(selector, message);
    for (const Route& route : kRoutes) {
        if (Equal(caller, route.caller) && Equal(selector, route.selector)) {
            return route.handler ? (this->*route.handler)(message) : kNoErr;
        }
    }
    return kUnhandledMsgErr;
}

ASErr Plugin::RouteNotifier(const char* selector, void* message) {
    const auto* notification = static_cast<const AINotifierMessage*>(message);
    AppContextScope scope(notification->d.self);
    ASErr result = kUnhandledMsgErr;
    if (notification->notifier && notification->notifier == appStartedNotifier_) {
        result = OnApplicationStarted();
    } else if (notification->notifier && notification->notifier == appShutdownNotifier_) {
        result = OnApplicationShutdown();
    }
    if ((result == kNoErr || result == kUnhandledMsgErr) && Equal(selector, kSelectorAINotify)) {
        result = OnNotify(message);
    }
    return result;
}
