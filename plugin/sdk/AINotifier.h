// AI Notifier suite: subscriptions to host events, and the message that delivers one.
#pragma once

#include "plugin/sdk/SPMessageData.h"

constexpr const char* kAINotifierSuite = "AI Notifier Suite";
constexpr int kAINotifierSuiteVersion = 4;

// Notifier types the module subscribes to.
constexpr const char* kAIApplicationStartedNotifier = "AI Application Started Notifier";
constexpr const char* kAIApplicationShutdownNotifier = "AI Application Shutdown Notifier";

struct AINotifierSuite {
    // name identifies the subscription (the host copies it); type is the event. Notifiers start active.
    AIErr (*AddNotifier)(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier);
    AIErr (*SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
    AIErr (*GetNotifierActive)(AINotifierHandle notifier, AIBoolean* active);
};

// Caller "AI Notifier", selector "AI Notify".
struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier;
    const char* type;
    void* notifyData;
};
