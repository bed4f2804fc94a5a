// AI User suite: alerts and the progress display.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIUserSuite = "AI User Suite";
constexpr int kAIUserSuiteVersion = 19;

// Texts go to the host as Unicode strings (AIUnicodeStringSuite); the host copies them.
struct AIUserSuite {
    // Modal alerts; they return once the user has dismissed them.
    AIErr (*ErrorAlert)(AIUnicodeStringRef text);
    AIErr (*MessageAlert)(AIUnicodeStringRef text);
    AIErr (*SetProgressText)(AIUnicodeStringRef text);
    // Shows current out of max; current is clamped to [0, max].
    AIErr (*UpdateProgress)(ASInt32 current, ASInt32 max);
    AIErr (*CloseProgress)();
    // Answered as a value: non-zero once the user has asked to stop the running operation.
    AIBoolean (*Cancel)();
};
