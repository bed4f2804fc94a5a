// AI Path suite: the segments of a path, its closed and guide flags, and its area.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIPathSuite = "AI Path Suite";
constexpr int kAIPathSuiteVersion = 12;

// Segments are numbered from 0; a range reaching past the segments a call may touch is an error.
struct AIPathSuite {
    AIErr (*GetPathSegmentCount)(AIArtHandle path, ASInt16* count);
    AIErr (*GetPathSegments)(AIArtHandle path, ASInt16 segNumber, ASInt16 count, AIPathSegment* segments);
    // Overwrites from segNumber on; segments written past the current end are appended, so segNumber may equal
    // the count (a new path has none).
    AIErr (*SetPathSegments)(AIArtHandle path, ASInt16 segNumber, ASInt16 count, const AIPathSegment* segments);
    AIErr (*DeletePathSegments)(AIArtHandle path, ASInt16 segNumber, ASInt16 count);
    // Reverses the order of the segments, swapping each one's in and out handles.
    AIErr (*ReversePathSegments)(AIArtHandle path);
    AIErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
    AIErr (*SetPathClosed)(AIArtHandle path, AIBoolean closed);
    AIErr (*GetPathGuide)(AIArtHandle path, AIBoolean* isGuide);
    AIErr (*SetPathGuide)(AIArtHandle path, AIBoolean isGuide);
    // Signed area of the closed outline: positive when the anchors run counter-clockwise (y up), negative
    // clockwise.
    AIErr (*GetPathArea)(AIArtHandle path, AIReal* area);
};
