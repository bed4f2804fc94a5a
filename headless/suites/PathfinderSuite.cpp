// The Pathfinder suite.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterPathfinderSuite(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
