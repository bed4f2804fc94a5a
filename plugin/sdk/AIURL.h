// AI URL suite: opening web addresses in the user's browser.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIURLSuite = "AI URL Suite";
constexpr int kAIURLSuiteVersion = 3;

struct AIURLSuite {
    AIErr (*OpenURL)(const char* url);
};
