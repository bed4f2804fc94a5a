// The registration of each art and document suite table, so that the group files can register suites that
// live in files of their own.
#pragma once

#include "headless/model/SuiteRegistry.h"

namespace headless {

void RegisterLayerSuite(SuiteRegistry& registry);
void RegisterPathSuites(SuiteRegistry& registry);      // path and path style
void RegisterArtStyleSuites(SuiteRegistry& registry);  // art style and plug-in group
void RegisterArtSetSuite(SuiteRegistry& registry);
void RegisterHitTestSuite(SuiteRegistry& registry);

}  // namespace headless
