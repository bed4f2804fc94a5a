// The single place failures pass through: a breakpoint here stops at every error the host makes.
#include "headless/document/Errors.h"

namespace headless {

AIErr Fail(AIErr code) noexcept {
    return code;
}

}  // namespace headless
