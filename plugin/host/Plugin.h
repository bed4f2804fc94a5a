// Plugin: the framework base of the plug-in object. Its virtual operations are one handler per message a host can
// send (routed by OnMessage), the lifecycle PluginMain calls and a few hooks; a derived class overrides what it
// serves. The slot order of the operations is fixed.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "plugin/host/SuiteSet.h"
#include "plugin/sdk/AITypes.h"

#if defined(__GNUC__)
#define TRIMORA_NO_VPTR_CHECK __attribute__((no_sanitize("vptr")))
#else
#define TRIMORA_NO_VPTR_CHECK
#endif

constexpr std::size_t kPluginNameSize = 256;

class Plugin {
public:
    explicit Plugin(SPPluginRef pluginRef);
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // Gives back suites still held, which happens only when a start-up failed after acquiring them.
    virtual ~Plugin();
    virtual void OnError(ASErr code, const char* caller, const char* selector, void* message);
    virtual ASErr KeepLoaded(bool lock);
    virtual ASErr OnStartup(void* message);
    virtual ASErr OnApplicationStarted();
    virtual ASErr OnApplicationShutdown();
    virtual ASErr OnShutdown(void* message);
    virtual ASErr OnUnload(void* message);
    virtual ASErr OnReload(void* message);
    virtual ASErr OnAcquireProperty(void* message);
    virtual ASErr OnReleaseProperty(void* message);
    // Always NUL-terminated within maxLength bytes; the rest of them are zero.
    virtual void CopyName(char* buffer, ASUInt32 maxLength);
    virtual bool OnPurge();
    virtual ASErr OnMessage(const char* caller, const char* selector, void* message);
    virtual ASErr BindInstance(Plugin* instance);
    virtual ASErr CompleteStartup();
    virtual ASErr RefreshAfterLoad();
    virtual ASErr PrepareUnload();
    virtual ASErr RetryOptionalSuites();
    virtual ASErr OnNotify(void* message);
    virtual ASErr OnDoAction(void* message);
    virtual ASErr OnMenuGo(void* message);
    virtual ASErr OnMenuUpdate(void* message);
    virtual ASErr OnFilterGetParameters(void* message);
    virtual ASErr OnFilterGo(void* message);
    virtual ASErr OnPluginGroupNotifyEdits(void* message);
    virtual ASErr OnPluginGroupUpdate(void* message);
    virtual ASErr OnFileFormatGetParameters(void* message);
    virtual ASErr OnFileFormatGo(void* message);
    virtual ASErr OnFileFormatCheck(void* message);
    virtual ASErr OnFileFormatUpdate(void* message);
    virtual ASErr OnFileFormatDoAction(void* message);
    virtual ASErr OnToolEditOptions(void* message);
    virtual ASErr OnToolTrackCursor(void* message);
    virtual ASErr OnToolMouseDown(void* message);
    virtual ASErr OnToolMouseDrag(void* message);
    virtual ASErr OnToolMouseUp(void* message);
    virtual ASErr OnToolSelect(void* message);
    virtual ASErr OnToolDeselect(void* message);
    virtual ASErr OnToolReselect(void* message);
    virtual ASErr OnToolDecreaseDiameter(void* message);
    virtual ASErr OnToolIncreaseDiameter(void* message);
    virtual ASErr OnLiveEffectEditParameters(void* message);
    virtual ASErr OnLiveEffectGoLive(void* message);
    virtual ASErr OnLiveEffectInterpolateParameters(void* message);
    virtual ASErr OnLiveEffectInputType(void* message);
    virtual ASErr OnLiveEffectConvertColorSpace(void* message);
    virtual ASErr OnLiveEffectScaleParameters(void* message);
    virtual ASErr OnLiveEffectAdjustColors(void* message);
    virtual ASErr OnLiveEffectHandleMerge(void* message);
    virtual ASErr OnTimerGo(void* message);
    virtual ASErr OnClipboardGo(void* message);
    virtual ASErr OnClipboardCanCopy(void* message);
    virtual ASErr OnClipboardClone(void* message);
    virtual ASErr OnClipboardDispose(void* message);
    virtual ASErr OnWriteWorkspace(void* message);
    virtual ASErr OnRestoreWorkspace(void* message);
    virtual ASErr OnDefaultWorkspace(void* message);

    SPPluginRef PluginRef() const { return pluginRef_; }
    const char* Name() const { return name_; }
    bool HoldsSuites() const { return suiteSet_ != nullptr; }
    ASInt32 LockCount() const { return lockCount_; }
    ASErr LastError() const { return lastError_; }
    std::int64_t LastErrorTime() const { return lastErrorTime_; }
    AINotifierHandle AppStartedNotifier() const { return appStartedNotifier_; }
    AINotifierHandle AppShutdownNotifier() const { return appShutdownNotifier_; }

    // After the host unloaded and reloaded the module's code, the object's dispatch still points into the code
    // that went away. This makes the object anew in place with the dispatch of the code loaded now, keeping its
    // fields but the two notifier handles, which the reloaded code never registered. Derived must be movable.
    // Until then nothing may read the old dispatch: not a virtual call, nor a checked downcast, so the object is
    // taken as the framework holds it.
    template <typename Derived>
    TRIMORA_NO_VPTR_CHECK static void ReinstallDispatch(Plugin* object) {
        Derived* stale = static_cast<Derived*>(object);
        Derived kept(std::move(*stale));
        Plugin& base = kept;
        base.appStartedNotifier_ = nullptr;
        base.appShutdownNotifier_ = nullptr;
        new (stale) Derived(std::move(kept));
    }
    template <typename Derived>
    requires(!std::is_same_v<Derived, Plugin>) static void ReinstallDispatch(Derived* object) {
        ReinstallDispatch<Derived>(static_cast<Plugin*>(object));
    }

protected:
    Plugin(Plugin&& other) noexcept = default;

    // Copies at most kPluginNameSize - 1 bytes and terminates.
    void SetName(const char* name);
    void SetRepeatTimeout(ASInt32 seconds) { repeatTimeout_ = seconds; }
    void SetSuppressRepeats(bool on) { suppressRepeats_ = on ? 1 : 0; }

private:
    ASErr AcquireSuites();
    ASErr AddFrameworkNotifier(SPPluginRef self, const char* suffix, const char* type, AINotifierHandle* handle);
    void TakeLock();
    ASErr RouteNotifier(const char* selector, void* message);

    SPPluginRef pluginRef_;
    char name_[kPluginNameSize] = {};
    std::unique_ptr<SuiteSet> suiteSet_;
    ASInt32 lockCount_ = 0;
    SPAccessRef accessRef_ = nullptr;
    ASErr lastError_ = kNoErr;
    ASInt32 repeatTimeout_ = 5;
    ASInt32 suppressRepeats_ = 1;
    std::int64_t lastErrorTime_ = 0;
    AINotifierHandle appStartedNotifier_ = nullptr;
    AINotifierHandle appShutdownNotifier_ = nullptr;
};
