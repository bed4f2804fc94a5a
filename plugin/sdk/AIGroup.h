// AI Group suite: the clipping flag of groups.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIGroupSuite = "AI Group Suite";
constexpr int kAIGroupSuiteVersion = 5;

struct AIGroupSuite {
    // A clipped group shows its contents only through its clipping path (a member whose style has `clip` set).
    AIErr (*GetGroupClipped)(AIArtHandle group, AIBoolean* clipped);
    AIErr (*SetGroupClipped)(AIArtHandle group, AIBoolean clipped);
};
