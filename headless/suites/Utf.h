// Conversions between the UTF-8 the document keeps and the UTF-32 of the host's Unicode strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace headless {

// Null for malformed input: overlong forms, surrogates, code points past U+10FFFF, cut sequences.
std::optional<std::u32string> Utf8ToUtf32(std::string_view text);
std::optional<std::string> Utf32ToUtf8(std::u32string_view text);

}  // namespace headless
