// What the fault plan's sweeps need to know about a host function by its name.
#pragma once

#include <string_view>

namespace trimora::test {

// Functions that answer a value rather than a code: the module cannot tell their failure from an answer.
bool AnswersAValue(std::string_view call);

// A release the host refused leaves its object with the host; that is the fault, not a leak.
bool ReleasesAHostObject(std::string_view call);

}  // namespace trimora::test
