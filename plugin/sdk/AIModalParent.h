// AI Modal Parent suite: the window that modal dialogs should be owned by.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIModalParentSuite = "AI Modal Parent Suite";
constexpr int kAIModalParentSuiteVersion = 2;

struct AIModalParentSuite {
    AIErr (*GetModalParent)(AIWindowRef* parent);
};
