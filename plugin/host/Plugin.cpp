// The plug-in object's fields and lifecycle: start-up, shut-down, unload and reload, the counted module lock, the
// name and the error report.
#include "plugin/host/Plugin.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "plugin/host/ErrorReport.h"
#include "plugin/host/Suites.h"
#include "plugin/sdk/SPMessageData.h"

Plugin::Plugin(SPPluginRef pluginRef) : pluginRef_(pluginRef) {
    SetName("Plugin");
}

Plugin::~Plugin() {
    if (!suiteSet_) return;
    // A start-up that failed after registering notifiers: nothing should call a plug-in that no longer exists.
    for (AINotifierHandle notifier : {appStartedNotifier_, appShutdownNotifier_}) {
        if (notifier && sAINotifier) sAINotifier->SetNotifierActive(notifier, false);
    }
    suiteSet_.reset();
}

void Plugin::SetName(const char* name) {
    std::strncpy(name_, name, sizeof name_ - 1);
    name_[sizeof name_ - 1] = '\0';
}

void Plugin::CopyName(char* buffer, ASUInt32 maxLength) {
    if (!buffer || maxLength == 0) return;
    const std::size_t length = std::min<std::size_t>(std::strlen(name_), maxLength - 1);
    std::memcpy(buffer, name_, length);
    std::memset(buffer + length, 0, maxLength - length);
}

ASErr Plugin::AcquireSuites() {
    if (!suiteSet_) {
        suiteSet_.reset(new (std::nothrow) SuiteSet());
        if (!suiteSet_) return kOutOfMemoryErr;
    }
    const ASErr code = suiteSet_->AcquisitionCode();
    // From here this object's set is the one holder of the suite pointers, whatever the code. A set whose
    // acquisition stopped part-way was never counted, yet the rows it did get must go back when it is destroyed
    // (just below, on failure); and a count left over by an earlier set that was never destroyed would make this
    // set's destruction believe another holder remains and give nothing back.
    sSuiteAcquisitionCount = 1;
    if (code != kNoErr) suiteSet_.reset();
    return code;
}

// The name is the plug-in's name and the suffix, cut to the 256-byte buffer the host's names live in.
ASErr Plugin::AddFrameworkNotifier(SPPluginRef self, const char* suffix, const char* type, AINotifierHandle* handle) {
    std::string notifierName = std::string(name_) + suffix;
    if (notifierName.size() >= kPluginNameSize) notifierName.resize(kPluginNameSize - 1);
    return sAINotifier->AddNotifier(self, notifierName.c_str(), type, handle);
}

void Plugin::TakeLock() {
    if (++lockCount_ == 1 && sSPAccess) sSPAccess->AcquirePlugin(pluginRef_, &accessRef_);
}

ASErr Plugin::OnStartup(void* message) {
    const SPPluginRef self = static_cast<SPMessageData*>(message)->self;
    BindInstance(this);
    if (ASErr code = AcquireSuites()) return code;
    if (ASErr code = sSPPlugins->SetPluginName(self, name_)) return code;
    if (ASErr code =
            AddFrameworkNotifier(self, " App Started Notifier", kAIApplicationStartedNotifier, &appStartedNotifier_)) {
        return code;
    }
    if (ASErr code = AddFrameworkNotifier(self, " Application Shutdown Notifier", kAIApplicationShutdownNotifier,
                                          &appShutdownNotifier_)) {
        return code;
    }
    if (ASErr code = CompleteStartup()) return code;
    RefreshAfterLoad();
    TakeLock();
    return kNoErr;
}

ASErr Plugin::OnShutdown(void*) {
    suiteSet_.reset();
    BindInstance(nullptr);
    return kNoErr;
}

ASErr Plugin::OnUnload(void*) {
    PrepareUnload();
    BindInstance(nullptr);
    suiteSet_.reset();
    return kNoErr;
}

ASErr Plugin::OnReload(void*) {
    BindInstance(this);
    if (ASErr code = AcquireSuites()) return code;
    RefreshAfterLoad();
    return kNoErr;
}

ASErr Plugin::KeepLoaded(bool lock) {
    if (lock) {
        TakeLock();
    } else if (--lockCount_ == 0) {
        if (sSPAccess) sSPAccess->ReleasePlugin(accessRef_);
        accessRef_ = nullptr;
    } else if (lockCount_ < 0) {
        lockCount_ = 0;
    }
    return kNoErr;
}

ASErr Plugin::RetryOptionalSuites() {
    if (suiteSet_) suiteSet_->RetryOptionalSuites();
    return kNoErr;
}

void Plugin::OnError(ASErr code, const char*, const char*, void*) {
    if (IsIgnoredErrorCode(code)) return;
    const std::int64_t now = CalendarSeconds();
    if (code == lastError_ && suppressRepeats_ && now < lastErrorTime_ + repeatTimeout_) return;
    lastErrorTime_ = now;
    lastError_ = code;
    DefaultErrorReport(pluginRef_, code);
}
