// AI Filter suite: filters of the host, and the message record of filter operations.
#pragma once

#include "plugin/sdk/SPMessageData.h"

constexpr const char* kAIFilterSuite = "AI Filter Suite";
constexpr int kAIFilterSuiteVersion = 4;

struct AIFilterOpaque;
using AIFilterHandle = AIFilterOpaque*;
using AIFilterParameters = void*;

struct AIFilterSuite {
    AIErr (*CountFilters)(ASInt32* count);
};

// Callers "AI Filter"; also the record the host's Pathfinder operations take.
struct AIFilterMessage {
    SPMessageData d;
    AIFilterHandle filter;
    AIFilterParameters parameters;
};
