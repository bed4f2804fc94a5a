// The position table and the fixed settings of the Pathfinder operations.
#include "plugin/geometry/PathfinderCall.h"

#include <array>

namespace {

constexpr std::array<PathfinderPick, 4> kPicks = {{
    {kOutlineAgainstComplement, 4, 1, &AIPathfinderSuite::DoOutlineEffect},
    {kOutlineAgainstRegion, 2, 1, &AIPathfinderSuite::DoOutlineEffect},
    {kCropByFront, 1, 2, &AIPathfinderSuite::DoCropEffect},
    {kCropByComplement, 1, 4, &AIPathfinderSuite::DoCropEffect},
}};

}  // namespace

const PathfinderPick* FindPathfinderPick(ASInt32 code) {
    for (const PathfinderPick& pick : kPicks) {
        if (pick.code == code) return &pick;
    }
    return nullptr;
}

AIPathfinderData MakePathfinderData(AIArtHandle (&art)[2]) {
    AIPathfinderData data{};
    data.options.ipmPrecision = 10.0;
    data.options.flags = 0;
    data.mixParameters.softRate = 0.5;
    data.mixParameters.convertCustomColors = 1;
    data.trapParameters.trapThickness = 0.25;
    data.trapParameters.heightWidthAspectRatio = 1.0;
    data.trapParameters.trapTint = 0.4;
    data.trapParameters.maximumTint = 1.0;
    data.trapParameters.tintTolerance = 0.05;
    data.trapParameters.reverseTrap = 0;
    data.fSelectedArt = art;
    data.fSelectedArtCount = 2;
    return data;
}
