// What the entry point needs from the plug-in class the module is built with.
#pragma once

#include "plugin/sdk/AITypes.h"

class Plugin;

// The module's one plug-in object, made with an allocation that yields null instead of throwing.
Plugin* CreatePlugin(SPPluginRef pluginRef);

// Rebinds an object that outlived an unload of the module's code to the code loaded now. Null is ignored; no
// virtual operation may be called on the object before this has run.
void FixupAfterReload(Plugin* plugin);
