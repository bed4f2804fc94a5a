// AI Document suite: the current document as a whole.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIDocumentSuite = "AI Document Suite";
constexpr int kAIDocumentSuiteVersion = 19;

struct AIDocumentSuite {
    // Brings every view of the current document up to date now rather than when the message ends.
    AIErr (*RedrawDocument)();
    AIErr (*GetDocument)(AIDocumentHandle* document);
};
