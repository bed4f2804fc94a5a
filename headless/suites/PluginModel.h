// What the host knows of loaded plug-ins: their names and files, the locks that keep them loaded, the notifiers
// they registered and the application contexts they opened.
#pragma once

#include <string>
#include <vector>

#include "headless/document/Ids.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

struct PluginTag;
struct NotifierTag;
using PluginId = Id<PluginTag>;
using NotifierId = Id<NotifierTag>;

struct PluginRecord {
    std::string name;      // as SetPluginName gave it, platform-encoded bytes
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
