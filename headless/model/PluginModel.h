// What the host knows of loaded plug-ins: their names and files, the locks that keep them loaded, the notifiers
// they registered and the application contexts they opened.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "headless/document/Ids.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

struct PluginTag;
struct NotifierTag;
using PluginId = Id<PluginTag>;
using NotifierId = Id<NotifierTag>;

// Text whose characters stay put while the record holding it moves (a store growing): GetPluginName hands out a
// pointer to them.
class StableText {
public:
    StableText(std::string text = {}) : text_(std::make_shared<const std::string>(std::move(text))) {}
    const std::string& Str() const { return *text_; }
    const char* CStr() const { return text_->c_str(); }

private:
    std::shared_ptr<const std::string> text_;
};

struct PluginRecord {
    StableText name;       // as SetPluginName gave it, platform-encoded bytes
    std::string filePath;  // the module's file
    int accessLocks = 0;   // AcquirePlugin minus ReleasePlugin
};

struct Notifier {
    SPPluginRef plugin = nullptr;
    std::string name;
    std::string type;
    bool active = true;
};

struct ContextModel {
    int pushes = 0;
    int pops = 0;
    int open = 0;  // pushed and not yet popped
    AIWindowRef mainWindow = reinterpret_cast<AIWindowRef>(static_cast<std::uintptr_t>(0x4d41494e));
};

}  // namespace headless
