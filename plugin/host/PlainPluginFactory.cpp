// Stand-in factory that makes a plain Plugin, for a module built before its own plug-in class exists.
#include <new>

#include "plugin/host/Plugin.h"
#include "plugin/host/PluginFactory.h"

Plugin* CreatePlugin(SPPluginRef pluginRef) {
    return new (std::nothrow) Plugin(pluginRef);
}

void FixupAfterReload(Plugin* plugin) {
    if (plugin) Plugin::ReinstallDispatch<Plugin>(plugin);
}
