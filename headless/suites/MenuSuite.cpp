// The menu suite.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterMenuSuite(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
