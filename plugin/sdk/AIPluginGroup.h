// AI Plugin Group suite: plug-in art, art whose look another plug-in makes from its edit art.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIPluginGroupSuite = "AI Plugin Group Suite";
constexpr int kAIPluginGroupSuiteVersion = 6;

// The plug-in group of the host's symbol sprayer.
constexpr const char* kAISymbolismPluginGroupName = "Adobe Symbolism";

struct AIPluginGroupSuite {
    AIErr (*GetPluginArtPluginGroup)(AIArtHandle art, AIPluginGroupHandle* group);
    // *name stays owned by the host.
    AIErr (*GetAIPluginGroupName)(AIPluginGroupHandle group, const char** name);
    // The group of art the plug-in object is made from.
    AIErr (*GetPluginArtEditArt)(AIArtHandle art, AIArtHandle* editArt);
};
