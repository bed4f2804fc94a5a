// The host's side of the message protocol: loads a plug-in module with dlopen, registers it with the application,
// keeps the globals the module stores in its message records, and sends it messages through PluginMain.
#pragma once

#include <string>

#include "headless/model/Application.h"
#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/SPMessageData.h"

namespace headless {

using PluginEntry = ASErr (*)(const char* caller, const char* selector, void* message);

// The answer to a message when no module is loaded to take it.
constexpr AIErr kNoModuleErr = FourCharErr("MOD?");

class ModuleHost {
public:
    explicit ModuleHost(Application& app);
    // Closes the library, sending nothing.
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // Opens the module file and finds PluginMain; false with LoadError() set (the loader's own text) otherwise.
    bool Load(const std::string& path);
    // A module linked into this process: its entry is called directly and nothing is opened or closed.
    void Attach(PluginEntry entry, const std::string& filePath);
    bool IsLoaded() const { return entry_ != nullptr; }
    const std::string& LoadError() const { return loadError_; }
    // Whether the loader still has the file mapped (after an unload it must not).
    static bool IsMapped(const std::string& path);

    SPPluginRef Self() const { return self_; }
    void* Globals() const { return globals_; }

    AIErr Startup();
    AIErr Shutdown();
    // "SP Access"/"Unload", then closes the library.
    AIErr Unload();
    // Opens the library again and sends "SP Access"/"Reload" with the same globals.
    AIErr Reload();
    AIErr MenuGo(AIMenuItemHandle item);
    AIErr DoAction(ActionDialogStatus showDialog, AIActionParamValueRef param);
    AIErr Notify(AINotifierHandle notifier, const char* type, const char* selector = "AI Notify");
    // Any pair, with a plain message record.
    AIErr Send(const char* caller, const char* selector);
    // Any pair, with a record that begins with SPMessageData; its header is filled here.
    AIErr Send(const char* caller, const char* selector, SPMessageData& message);

private:
    bool Open();
    void Close();
    void Register(const std::string& filePath);

    Application& app_;
    std::string path_;
    void* library_ = nullptr;
    PluginEntry entry_ = nullptr;
    bool linked_ = false;
    std::string loadError_;
    SPPluginRef self_ = nullptr;
    void* globals_ = nullptr;
};

}  // namespace headless
