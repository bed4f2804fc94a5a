// Unicode strings of the host made directly, the way the Unicode String suite hands them to the module.
#pragma once

#include <string>
#include <utility>

#include "headless/suites/HostEntry.h"

namespace headless::testing {

inline AIUnicodeStringRef HostString(Application& app, std::u32string text) {
    return AppHandleOf<AIUnicodeStringRef>(HandleKind::kUnicodeString, app.strings.Add(std::move(text)));
}

}  // namespace headless::testing
