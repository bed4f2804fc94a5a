// The plug-in property list the host reads before it loads the module, built here from its documented layout so
// that the script and the compiled plug-in can both be held against it.
#pragma once

#include <cstdint>
#include <vector>

namespace trimora::testing {

std::vector<std::uint8_t> ExpectedPipl();

}  // namespace trimora::testing
