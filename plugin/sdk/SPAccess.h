// SP Access suite: the counted lock that keeps the module's code loaded.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kSPAccessSuite = "SP Access Suite";
constexpr int kSPAccessSuiteVersion = 3;

struct SPAccessSuite {
    // Keeps the plug-in's code loaded until the access reference is released.
    SPErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
    SPErr (*ReleasePlugin)(SPAccessRef access);
};
