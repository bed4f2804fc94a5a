// The Pathfinder suite where the host is built without its polygon clipper (the Windows build): the table is there,
// so that a module that acquires it starts, and every operation fails as a failed operation does.
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIPathfinder.h"

namespace headless {
namespace {

constexpr AIErr kPathfinderFailedErr = FourCharErr("PFND");

AIErr Unavailable(AIPathfinderData*, AIFilterMessage*) {
    return Fail(kPathfinderFailedErr);
}

const AIPathfinderSuite kPathfinderSuite = {
    TRIMORA_HOST_FN(AIPathfinderSuite, DoCropEffect, Unavailable),
    TRIMORA_HOST_FN(AIPathfinderSuite, DoOutlineEffect, Unavailable),
};

}  // namespace

void RegisterPathfinderSuite(SuiteRegistry& registry) {
    registry.Add(kAIPathfinderSuite, kAIPathfinderSuiteVersion, &kPathfinderSuite);
}

}  // namespace headless
