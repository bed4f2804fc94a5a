// AI Context suite: the application context around a plug-in's work, and the host's main window.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIAppContextSuite = "AI Context Suite";
constexpr int kAIAppContextSuiteVersion = 10;

struct AIAppContextSuite {
    // The window that owns modal dialogs the plug-in shows (an HWND on Windows).
    AIErr (*GetPlatformAppWindow)(AIWindowRef* appWindow);
    // Contexts nest; each push is matched by a pop of the handle it gave.
    AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* appContext);
    AIErr (*PopAppContext)(AIAppContextHandle appContext);
};
