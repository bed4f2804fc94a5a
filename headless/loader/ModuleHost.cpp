// Loading a module, registering it, and sending it the host's messages.
#include "headless/loader/ModuleHost.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "headless/suites/HostEntry.h"
#include "headless/suites/PluginRegistry.h"
#include "plugin/sdk/AICallers.h"
#include "plugin/sdk/AIMenu.h"
#include "plugin/sdk/AINotifier.h"

namespace headless {
namespace {

#ifdef _WIN32
// Windows keeps no loader text; the error code names what went wrong.
std::string LoaderError(const std::string& fallback) {
    const DWORD code = GetLastError();
    return code ? "Windows error " + std::to_string(code) : fallback;
}

void* OpenLibrary(const std::string& path) {
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
}
PluginEntry FindEntry(void* library) {
    return reinterpret_cast<PluginEntry>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), "PluginMain")));
}
void CloseLibrary(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}
#else
std::string LoaderError(const std::string& fallback) {
    const char* text = dlerror();
    return text ? text : fallback;
}

void* OpenLibrary(const std::string& path) {
    dlerror();
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
PluginEntry FindEntry(void* library) {
    return reinterpret_cast<PluginEntry>(dlsym(library, "PluginMain"));
}
void CloseLibrary(void* library) {
    dlclose(library);
}
#endif

}  // namespace

ModuleHost::ModuleHost(Application& app) : app_(app) {}

ModuleHost::~ModuleHost() {
    Close();
}

bool ModuleHost::Load(const std::string& path) {
    Close();
    path_ = path;
    linked_ = false;
    if (!Open()) return false;
    Register(path);
    return true;
}

void ModuleHost::Attach(PluginEntry entry, const std::string& filePath) {
    Close();
    path_ = filePath;
    linked_ = true;
    entry_ = entry;
    loadError_.clear();
    Register(filePath);
}

bool ModuleHost::IsMapped(const std::string& path) {
#ifdef _WIN32
    return GetModuleHandleA(path.c_str()) != nullptr;
#else
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle) return false;
    dlclose(handle);
    return true;
#endif
}

bool ModuleHost::Open() {
    // The loader takes an empty name as the host program itself.
    if (path_.empty()) {
        loadError_ = "no module file to load";
        return false;
    }
    library_ = OpenLibrary(path_);
    if (!library_) {
        loadError_ = "cannot load module " + path_ + ": " + LoaderError("unknown error");
        return false;
    }
    entry_ = FindEntry(library_);
    if (!entry_) {
        loadError_ = "module " + path_ + " has no PluginMain: " + LoaderError("symbol not found");
        Close();
        return false;
    }
    loadError_.clear();
    return true;
}

void ModuleHost::Close() {
    if (library_) CloseLibrary(library_);
    library_ = nullptr;
    entry_ = nullptr;
}

// The plug-in keeps the reference it was first given, across unloads and reloads.
void ModuleHost::Register(const std::string& filePath) {
    if (!self_) self_ = RegisterPlugin(app_, filePath);
}

AIErr ModuleHost::Send(const char* caller, const char* selector, SPMessageData& message) {
    if (!entry_) return kNoModuleErr;
    message.self = self_;
    message.globals = globals_;
    message.basic = HostBasicSuite();
    const AIErr result = entry_(caller, selector, &message);
    globals_ = message.globals;
    return result;
}

AIErr ModuleHost::Send(const char* caller, const char* selector) {
    SPMessageData message{};
    return Send(caller, selector, message);
}

AIErr ModuleHost::Startup() {
    return Send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
}

AIErr ModuleHost::Shutdown() {
    return Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}

AIErr ModuleHost::Unload() {
    const AIErr result = Send(kSPAccessCaller, kSPAccessUnloadSelector);
    if (!linked_) Close();
    return result;
}

AIErr ModuleHost::Reload() {
    if (!linked_ && !library_ && !Open()) return kNoModuleErr;
    return Send(kSPAccessCaller, kSPAccessReloadSelector);
}

AIErr ModuleHost::MenuGo(AIMenuItemHandle item) {
    AIMenuMessage message{};
    message.menuItem = item;
    return Send(kCallerAIMenu, kSelectorAIGoMenuItem, message.d);
}

AIErr ModuleHost::DoAction(ActionDialogStatus showDialog, AIActionParamValueRef param) {
    DoActionMessage message{};
    message.showDialog = showDialog;
    message.param = param;
    return Send(kActionCaller, kDoActionSelector, message.d);
}

AIErr ModuleHost::Notify(AINotifierHandle notifier, const char* type, const char* selector) {
    AINotifierMessage message{};
    message.notifier = notifier;
    message.type = type;
    return Send(kCallerAINotify, selector, message.d);
}

}  // namespace headless
