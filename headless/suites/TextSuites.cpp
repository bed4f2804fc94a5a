// Unicode string and file path suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterTextSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
