// Document, document view, shape construction and hit test suites.
#include "headless/suites/HostEntry.h"

namespace headless {

void RegisterDocumentSuites(SuiteRegistry& registry) {
    (void)registry;
}

}  // namespace headless
