// A plug-in class for the tests: records every operation the framework calls on it and answers with the code a
// test planned, and the factory PluginMain uses in the test programs.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "plugin/host/Plugin.h"

namespace trimora::testing {

struct Recording {
    std::vector<std::string> calls;
    std::map<std::string, ASErr> answers;  // planned results by operation name
    std::map<std::string, ASErr> throws;   // operations that throw ai::Error with the code instead
    bool failCreate = false;
    bool purge = false;
    int destroyed = 0;
    void Clear() { *this = Recording{}; }
};

// What the live test plug-in did; cleared by the test fixtures.
Recording& Record();

class RecordingPlugin : public Plugin {
public:
    explicit RecordingPlugin(SPPluginRef self) : Plugin(self) { SetName("Recorder"); }
    RecordingPlugin(RecordingPlugin&& other) noexcept : Plugin(std::move(other)) { other.live_ = false; }
    ~RecordingPlugin() override;

    using Plugin::SetName;
    using Plugin::SetRepeatTimeout;
    using Plugin::SetSuppressRepeats;

    void OnError(ASErr code, const char* caller, const char* selector, void* message) override;
    ASErr OnStartup(void* message) override;
    ASErr OnShutdown(void* message) override;
    ASErr OnUnload(void* message) override;
    ASErr OnReload(void* message) override;
    bool OnPurge() override;
    ASErr OnMessage(const char* caller, const char* selector, void* message) override;
    ASErr BindInstance(Plugin* instance) override;
    ASErr OnApplicationStarted() override { return Note("OnApplicationStarted"); }
    ASErr OnApplicationShutdown() override { return Note("OnApplicationShutdown"); }
    ASErr CompleteStartup() override { return Note("CompleteStartup"); }
    ASErr RefreshAfterLoad() override { return Note("RefreshAfterLoad"); }
    ASErr PrepareUnload() override { return Note("PrepareUnload"); }

#define TRIMORA_RECORD_HANDLER(Name)               \
    ASErr Name(void* message) override {           \
        return Note(#Name, Plugin::Name(message)); \
    }
    TRIMORA_RECORD_HANDLER(OnAcquireProperty)
    TRIMORA_RECORD_HANDLER(OnReleaseProperty)
    TRIMORA_RECORD_HANDLER(OnNotify)
    TRIMORA_RECORD_HANDLER(OnDoAction)
    TRIMORA_RECORD_HANDLER(OnMenuGo)
    TRIMORA_RECORD_HANDLER(OnMenuUpdate)
    TRIMORA_RECORD_HANDLER(OnFilterGetParameters)
    TRIMORA_RECORD_HANDLER(OnFilterGo)
    TRIMORA_RECORD_HANDLER(OnPluginGroupNotifyEdits)
    TRIMORA_RECORD_HANDLER(OnPluginGroupUpdate)
    TRIMORA_RECORD_HANDLER(OnFileFormatGetParameters)
    TRIMORA_RECORD_HANDLER(OnFileFormatGo)
    TRIMORA_RECORD_HANDLER(OnFileFormatCheck)
    TRIMORA_RECORD_HANDLER(OnFileFormatUpdate)
    TRIMORA_RECORD_HANDLER(OnFileFormatDoAction)
    TRIMORA_RECORD_HANDLER(OnToolEditOptions)
    TRIMORA_RECORD_HANDLER(OnToolTrackCursor)
    TRIMORA_RECORD_HANDLER(OnToolMouseDown)
    TRIMORA_RECORD_HANDLER(OnToolMouseDrag)
    TRIMORA_RECORD_HANDLER(OnToolMouseUp)
    TRIMORA_RECORD_HANDLER(OnToolSelect)
    TRIMORA_RECORD_HANDLER(OnToolDeselect)
    TRIMORA_RECORD_HANDLER(OnToolReselect)
    TRIMORA_RECORD_HANDLER(OnToolDecreaseDiameter)
    TRIMORA_RECORD_HANDLER(OnToolIncreaseDiameter)
    TRIMORA_RECORD_HANDLER(OnLiveEffectEditParameters)
    TRIMORA_RECORD_HANDLER(OnLiveEffectGoLive)
    TRIMORA_RECORD_HANDLER(OnLiveEffectInterpolateParameters)
    TRIMORA_RECORD_HANDLER(OnLiveEffectInputType)
    TRIMORA_RECORD_HANDLER(OnLiveEffectConvertColorSpace)
    TRIMORA_RECORD_HANDLER(OnLiveEffectScaleParameters)
    TRIMORA_RECORD_HANDLER(OnLiveEffectAdjustColors)
    TRIMORA_RECORD_HANDLER(OnLiveEffectHandleMerge)
    TRIMORA_RECORD_HANDLER(OnTimerGo)
    TRIMORA_RECORD_HANDLER(OnClipboardGo)
    TRIMORA_RECORD_HANDLER(OnClipboardCanCopy)
    TRIMORA_RECORD_HANDLER(OnClipboardClone)
    TRIMORA_RECORD_HANDLER(OnClipboardDispose)
    TRIMORA_RECORD_HANDLER(OnWriteWorkspace)
    TRIMORA_RECORD_HANDLER(OnRestoreWorkspace)
    TRIMORA_RECORD_HANDLER(OnDefaultWorkspace)
#undef TRIMORA_RECORD_HANDLER

    // The message the latest handler received.
    void* lastMessage = nullptr;

private:
    // Records the call and answers the planned code, or `base` when none is planned.
    ASErr Note(const std::string& name, ASErr base = kNoErr);
    static ASErr Answer(const std::string& name, ASErr base);

    bool live_ = true;
};

}  // namespace trimora::testing
