// Action manager and preference suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterActionSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
