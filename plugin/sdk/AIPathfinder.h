// AI Pathfinder suite: the host's boolean operations on a set of art, and their parameter record.
#pragma once

#include "plugin/sdk/AIFilter.h"

constexpr const char* kAIPathfinderSuite = "AI Pathfinder Suite";
constexpr int kAIPathfinderSuiteVersion = 6;

// Option flags of AIPathfinderOptions.
constexpr ASUInt32 kRemoveRedundantPointsOption = 1u << 0;
constexpr ASUInt32 kExtractUnpaintedArtworkOption = 1u << 1;

struct AIPathfinderOptions {
    // Precision of the computation, in points.
    AIReal ipmPrecision;
    ASUInt32 flags;
};

struct AIMixParameters {
    AIReal softRate;
    AIBoolean convertCustomColors;
};

struct AITrapParameters {
    AIReal trapThickness;
    AIReal heightWidthAspectRatio;
    AIReal trapTint;
    AIReal maximumTint;
    AIReal tintTolerance;
    AIBoolean reverseTrap;
    AIBoolean convertCustomColors;
};

// The art to combine, front to back, and the settings of every operation.
struct AIPathfinderData {
    AIPathfinderOptions options;
    AIMixParameters mixParameters;
    AITrapParameters trapParameters;
    AIArtHandle* fSelectedArt;
    ASInt32 fSelectedArtCount;
};

// Each operation replaces the listed art by one group of the resulting pieces, placed where the frontmost art was.
// message is a record whose header AIPluginSuite::SetupPluginData has filled.
struct AIPathfinderSuite {
    // The frontmost object cuts the art behind it to its shape: a piece that lies under it and over other art
    // carries that art's paint; a piece of it with nothing beneath is left unfilled.
    AIErr (*DoCropEffect)(AIPathfinderData* data, AIFilterMessage* message);
    // Splits the outlines of the art at their crossings into line pieces, without stroke; the pieces of an object
    // that lie under a filled object in front of it are gone.
    AIErr (*DoOutlineEffect)(AIPathfinderData* data, AIFilterMessage* message);
};
