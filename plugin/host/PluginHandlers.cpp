// The base behaviour of the hooks and message handlers: a handler the plug-in does not serve answers '!MSG'.
#include "plugin/host/Plugin.h"

ASErr Plugin::OnApplicationStarted() {
    return kNoErr;
}

ASErr Plugin::OnApplicationShutdown() {
    return kNoErr;
}

bool Plugin::OnPurge() {
    return false;
}

ASErr Plugin::BindInstance(Plugin*) {
    return kNoErr;
}

ASErr Plugin::CompleteStartup() {
    return kNoErr;
}

ASErr Plugin::RefreshAfterLoad() {
    return kNoErr;
}

ASErr Plugin::PrepareUnload() {
    return kNoErr;
}

ASErr Plugin::OnAcquireProperty(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnReleaseProperty(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnNotify(void*) {
    return kNoErr;
}

ASErr Plugin::OnDoAction(void*) {
    return kNoErr;
}

ASErr Plugin::OnMenuGo(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnMenuUpdate(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFilterGetParameters(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFilterGo(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnPluginGroupNotifyEdits(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnPluginGroupUpdate(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFileFormatGetParameters(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFileFormatGo(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFileFormatCheck(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFileFormatUpdate(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnFileFormatDoAction(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolEditOptions(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolTrackCursor(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolMouseDown(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolMouseDrag(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolMouseUp(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolSelect(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolDeselect(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnToolReselect(void*) {
    return kNoErr;
}

ASErr Plugin::OnToolDecreaseDiameter(void*) {
    return kNoErr;
}

ASErr Plugin::OnToolIncreaseDiameter(void*) {
    return kNoErr;
}

ASErr Plugin::OnLiveEffectEditParameters(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectGoLive(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectInterpolateParameters(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectInputType(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectConvertColorSpace(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectScaleParameters(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectAdjustColors(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnLiveEffectHandleMerge(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnTimerGo(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnClipboardGo(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnClipboardCanCopy(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnClipboardClone(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnClipboardDispose(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnWriteWorkspace(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnRestoreWorkspace(void*) {
    return kUnhandledMsgErr;
}

ASErr Plugin::OnDefaultWorkspace(void*) {
    return kUnhandledMsgErr;
}
