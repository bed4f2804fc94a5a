// AI Document View suite: the windows onto the current document, their zoom and centre.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIDocumentViewSuite = "AI Document View Suite";
constexpr int kAIDocumentViewSuiteVersion = 15;

struct AIDocumentViewSuite {
    AIErr (*CountDocumentViews)(ASInt32* count);
    AIErr (*GetNthDocumentView)(ASInt32 n, AIDocumentViewHandle* view);
    // The part of the artwork the view shows, in artwork coordinates.
    AIErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
    AIErr (*GetDocumentViewCenter)(AIDocumentViewHandle view, AIRealPoint* center);
    AIErr (*SetDocumentViewCenter)(AIDocumentViewHandle view, const AIRealPoint* center);
    // 1 shows the artwork at its size; the view keeps its centre when the zoom changes.
    AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
    AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
};
