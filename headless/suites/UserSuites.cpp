// User, context and notifier suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterUserSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
