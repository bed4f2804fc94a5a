// How the framework gets the plug-in object, and the messages the object answers.
#include "plugin/command/ZvTrimoraPlugin.h"

#include <new>

#include "plugin/command/AboutBox.h"
#include "plugin/host/PluginFactory.h"

ZvTrimoraPlugin* gZvTrimoraPlugin = nullptr;

namespace {

constexpr const char* kPluginName = "Zavik-Trimora2.5";

}  // namespace

ZvTrimoraPlugin::ZvTrimoraPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
    SetName(kPluginName);
}

Plugin* CreatePlugin(SPPluginRef pluginRef) {
    return new (std::nothrow) ZvTrimoraPlugin(pluginRef);
}

// The menu item handles survive: the host keeps the items installed across an unload.
void FixupAfterReload(Plugin* plugin) {
    // The object still points at the dispatch of the code that was unloaded: no cast that reads it.
    if (plugin) Plugin::ReinstallDispatch<ZvTrimoraPlugin>(plugin);
}

ASErr ZvTrimoraPlugin::BindInstance(Plugin* instance) {
    gZvTrimoraPlugin = static_cast<ZvTrimoraPlugin*>(instance);
    return kNoErr;
}

// A handle start-up failed to obtain is null and matches no item, not even a message that carries null.
ASErr ZvTrimoraPlugin::OnMenuGo(void* message) {
    const AIMenuItemHandle item = static_cast<AIMenuMessage*>(message)->menuItem;
    if (!item) return kNoErr;
    if (item == aboutMenuItem) return ShowAboutBox(PluginRef());
    return kNoErr;
}
