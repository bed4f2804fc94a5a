// AI Shape Construction suite: ready-made paths.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIShapeConstructionSuite = "AI Shape Construction Suite";
constexpr int kAIShapeConstructionSuiteVersion = 8;

struct AIShapeConstructionSuite {
    // A closed four-corner path, frontmost in the current layer, with the current path style. The corners run
    // (left, top), (right, top), (right, bottom), (left, bottom), or the other way round when reversed is non-zero.
    AIErr (*NewRect)(AIReal top, AIReal left, AIReal bottom, AIReal right, AIBoolean reversed, AIArtHandle* newArt);
};
