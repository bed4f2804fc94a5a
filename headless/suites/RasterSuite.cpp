// The raster suite.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterRasterSuite(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
