// AI Preference suite: values the host keeps between sessions, addressed by a section (prefix) and a key (suffix).
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIPreferenceSuite = "AI Preference Suite";
constexpr int kAIPreferenceSuiteVersion = 7;

// A Get of a preference that does not exist leaves *value as it was, so the caller presets its default.
struct AIPreferenceSuite {
    AIErr (*GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
    AIErr (*PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
    AIErr (*GetIntegerPreference)(const char* prefix, const char* suffix, ASInt32* value);
    AIErr (*PutIntegerPreference)(const char* prefix, const char* suffix, ASInt32 value);
};
