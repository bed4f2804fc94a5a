// Texts as the menu, action and user suites take them: the platform's multi-byte encoding to and from UTF-8, and
// Unicode string handles. Bytes that do not convert are refused with kBadParameterErr, never passed on half-converted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "plugin/sdk/AITypes.h"

namespace headless::suitetext {

// In the application's platform encoding (Application::platformEncoding).
std::string PlatformToUtf8(std::string_view bytes);
std::string Utf8ToPlatform(std::string_view utf8);
// The longest leading part of utf8's platform form that fits in `room` bytes without splitting a character.
std::string Utf8ToPlatformPrefix(std::string_view utf8, std::size_t room);

// A byte string the caller must give, copied; null is refused.
std::string RequiredBytes(const char* text);

// The UTF-8 form of a live Unicode string of the application; null and dead handles are refused.
std::string UnicodeStringUtf8(AIUnicodeStringRef text);

}  // namespace headless::suitetext
