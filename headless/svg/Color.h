// SVG colour values as 8-bit RGB.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace headless::svg {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour keyword, #rgb, #rrggbb or rgb(); nothing for anything else (including none and currentColor, which
// the style cascade handles).
std::optional<Rgb> ParseColor(std::string_view text);
// "#rrggbb".
std::string FormatColor(Rgb color);

}  // namespace headless::svg
