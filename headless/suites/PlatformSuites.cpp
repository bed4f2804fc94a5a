// SP access, plug-ins and blocks suites, the plug-in suite and the suites acquired only.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterPlatformSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
