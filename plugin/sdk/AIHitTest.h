// AI Hit Test suite: what of an art object lies under a point.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIHitTestSuite = "AI Hit Test Suite";
constexpr int kAIHitTestSuiteVersion = 7;

// Requests of HitTest.
constexpr ASInt32 kAllHitRequest = 0;  // anything of the art: anchors, handles, segments and painted fill
constexpr ASInt32 kSegmentHitRequest = 1u << 0;
constexpr ASInt32 kFillHitRequest = 1u << 1;

struct AIHitTestSuite {
    // Tests art (and what it contains) at point; the hit reference is made even for a miss and must be released.
    AIErr (*HitTest)(AIArtHandle art, const AIRealPoint* point, ASInt32 request, AIHitRef* hit);
    // Answered as values: whether something was hit, and the innermost art that was (null for a miss).
    AIBoolean (*IsHit)(AIHitRef hit);
    AIArtHandle (*GetArt)(AIHitRef hit);
    AIErr (*Release)(AIHitRef hit);
};
