// The host's application context around a notification, pushed when the scope opens and popped when it closes,
// as far as the context suite is held. The host's answers are not looked at.
#pragma once

#include "plugin/host/Suites.h"

class AppContextScope {
public:
    explicit AppContextScope(SPPluginRef self) {
        if (sAIAppContext) sAIAppContext->PushAppContext(self, &context_);
    }
    ~AppContextScope() {
        if (sAIAppContext) sAIAppContext->PopAppContext(context_);
    }
    AppContextScope(const AppContextScope&) = delete;
    AppContextScope& operator=(const AppContextScope&) = delete;

private:
    AIAppContextHandle context_ = nullptr;
};
