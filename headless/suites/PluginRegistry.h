// Plug-ins the host has loaded: the module loader registers each one and hands the module the reference made here.
#pragma once

#include <string>

#include "headless/suites/HostEntry.h"

namespace headless {

// A new plug-in record for the module at filePath (its full path, as the loader opened it); the answer is the
// `self` of every message sent to that module.
SPPluginRef RegisterPlugin(Application& app, std::string filePath);

// The record a reference names in the current application; refuses null and dead references.
PluginId PluginIdOf(SPPluginRef plugin);
PluginRecord& PluginOf(SPPluginRef plugin);

}  // namespace headless
