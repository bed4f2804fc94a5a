// The host's Unicode strings as other suites use them: looking one up, making one, and converting between the
// encodings the host numbers (0 = the platform's, Application::platformEncoding; 1 = UTF-8).
#pragma once

#include <string>
#include <string_view>

#include "headless/suites/HostEntry.h"

namespace headless {

// Refuses a null string with kBadParameterErr and a dead one with kDeadHandleErr.
std::u32string& StringOf(AIUnicodeStringRef string);
AIUnicodeStringRef NewString(std::u32string text);

// Bytes invalid in the encoding, a character it lacks, and an unknown encoding number are refused with
// kBadParameterErr.
std::u32string DecodeText(std::string_view bytes, ASInt32 encoding);
std::string EncodeText(std::u32string_view text, ASInt32 encoding);

}  // namespace headless
