// Pointing one imported function of a loaded module at another, so that the host can stand between the module and
// the system (the About box's web-site button must not start a browser under test).
#pragma once

#include <windows.h>

namespace trimora::wine {

// Replaces `module`'s import of `function` from `dll` (names compared without regard to case for the DLL) with
// `replacement`; false when the module does not import it.
bool RedirectImport(HMODULE module, const char* dll, const char* function, const void* replacement);

}  // namespace trimora::wine
