// The single place failures pass through: a breakpoint here stops at every error the host makes.
#include "headless/document/Errors.h"

namespace headless {

namespace {
std::uint64_t failuresMade = 0;
}

AIErr Fail(AIErr code) noexcept {
    ++failuresMade;
    return code;
}

std::uint64_t FailuresMade() noexcept {
    return failuresMade;
}

}  // namespace headless
