// Art, layer, path, path style, group, art style, plug-in group and art set suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterArtSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
