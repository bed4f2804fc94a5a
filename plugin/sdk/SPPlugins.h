// SP Plug-ins suite: the plug-in's name and the file it was loaded from.
#pragma once

#include "plugin/sdk/AITypes.h"
#include "plugin/sdk/SPFiles.h"

constexpr const char* kSPPluginsSuite = "SP Plug-ins Suite";
constexpr int kSPPluginsSuiteVersion = 6;

struct SPPluginsSuite {
    // The host copies the name; the caller's buffer may go away afterwards.
    SPErr (*SetPluginName)(SPPluginRef plugin, const char* name);
    // *name stays owned by the host and valid while the plug-in is loaded.
    SPErr (*GetPluginName)(SPPluginRef plugin, const char** name);
    SPErr (*GetPluginFileSpecification)(SPPluginRef plugin, SPPlatformFileSpecification* file);
};
