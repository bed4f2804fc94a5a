// What one Pathfinder operation is called with: the operation codes the cuts use, which two objects of the
// selection each code takes, and the parameter record.
#pragma once

#include "plugin/sdk/AIPathfinder.h"

// The operations, by the code the cuts pass to PathCutter::RunPathfinder.
constexpr ASInt32 kOutlineAgainstComplement = 6;
constexpr ASInt32 kOutlineAgainstRegion = 7;
constexpr ASInt32 kCropByFront = 9;
constexpr ASInt32 kCropByComplement = 10;

using PathfinderOperation = AIErr (*AIPathfinderSuite::*)(AIPathfinderData*, AIFilterMessage*);

// Selection positions of the two objects an operation takes. Position 0 is the work group; the cuts arrange the
// work layer so that the objects they mean stand at these positions.
struct PathfinderPick {
    ASInt32 code;
    ASInt32 firstPosition;
    ASInt32 secondPosition;
    PathfinderOperation operation;
};

// Null for a code that names no operation.
const PathfinderPick* FindPathfinderPick(ASInt32 code);

// The record every operation gets, over the caller's array of two handles.
AIPathfinderData MakePathfinderData(AIArtHandle (&art)[2]);
