// AI Plugin suite: message records the plug-in sends to the host's own operations.
#pragma once

#include "plugin/sdk/SPMessageData.h"

constexpr const char* kAIPluginSuite = "AI Plugin Suite";
constexpr int kAIPluginSuiteVersion = 5;

struct AIPluginSuite {
    // Fills the common header of message (self, globals, basic) for plugin, so that a message record the plug-in
    // makes itself can be passed to a host operation that expects one from the host.
    AIErr (*SetupPluginData)(SPPluginRef plugin, SPMessageData* message);
};
