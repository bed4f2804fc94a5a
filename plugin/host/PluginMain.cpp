// PluginMain: makes the plug-in object on start-up, keeps it in the message's globals, routes every other message
// to it, rebinds it after a reload, deletes it on shut-down, and turns its results into the host's answer.
#include "plugin/host/PluginMain.h"

#include <cstring>
#include <new>

#include "plugin/host/AIError.h"
#include "plugin/host/ErrorReport.h"
#include "plugin/host/Plugin.h"
#include "plugin/host/PluginFactory.h"
#include "plugin/host/Suites.h"
#include "plugin/sdk/AICallers.h"
#include "plugin/sdk/SPMessageData.h"

namespace {

// Answer for an exception that is neither a host code nor an allocation failure.
constexpr ASErr kUnexpectedExceptionErr = FourCharErr("XCPT");

// The host takes codes, not exceptions: whatever a handler throws becomes its code here.
template <typename Call>
ASErr CodeOf(Call&& call) noexcept {
    try {
        return call();
    } catch (const ai::Error& e) {
        return e.Code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kUnexpectedExceptionErr;
    }
}

bool Equal(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

ASErr Startup(SPMessageData& record, void* message) {
    Plugin* plugin = CreatePlugin(record.self);
    if (!plugin) {
        DefaultErrorReport(record.self, kOutOfMemoryErr);
        return kOutOfMemoryErr;
    }
    record.globals = plugin;
    const ASErr result = CodeOf([&] { return plugin->OnStartup(message); });
    if (result != kNoErr) {
        delete plugin;
        record.globals = nullptr;
        DefaultErrorReport(record.self, result);
    }
    return result;
}

ASErr Shutdown(SPMessageData& record, Plugin* plugin, void* message) {
    if (!plugin) return kNoErr;
    const ASErr result = CodeOf([&] { return plugin->OnShutdown(message); });
    delete plugin;
    record.globals = nullptr;
    if (result != kNoErr) DefaultErrorReport(record.self, result);
    return result;
}

}  // namespace

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message) {
    if (!caller || !selector || !message) return kSPBadParameterError;
    auto& record = *static_cast<SPMessageData*>(message);
    auto* plugin = static_cast<Plugin*>(record.globals);
    sSPBasic = record.basic;

    if (Equal(caller, kSPInterfaceCaller)) {
        if (Equal(selector, kSPInterfaceStartupSelector)) {
            if (ASErr result = Startup(record, message)) return result;
            plugin = static_cast<Plugin*>(record.globals);
        } else if (Equal(selector, kSPInterfaceShutdownSelector)) {
            return Shutdown(record, plugin, message);
        }
    }
    if (!plugin) return kNoErr;

    ASErr result = kNoErr;
    if (Equal(caller, kSPAccessCaller) && Equal(selector, kSPAccessReloadSelector)) {
        FixupAfterReload(plugin);
        result = CodeOf([&] { return plugin->OnReload(message); });
    } else if (!plugin->HoldsSuites()) {
        return kNoErr;
    } else {
        result = CodeOf([&] { return plugin->OnMessage(caller, selector, message); });
    }
    if (result == kNoErr || result == kUnhandledMsgErr) return kNoErr;
    CodeOf([&] {
        plugin->OnError(result, caller, selector, message);
        return kNoErr;
    });
    return result;
}
