// Base64 (RFC 4648) for the data: URIs of embedded images.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace headless::svg {

std::string Base64Encode(const std::vector<std::uint8_t>& bytes);
// Whitespace is skipped; any other character outside the alphabet, or bad padding, gives nothing.
std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text);

}  // namespace headless::svg
