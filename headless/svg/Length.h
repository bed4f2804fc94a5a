// SVG lengths with units, resolved to user units.
#pragma once

#include <optional>
#include <string_view>

namespace headless::svg {

// What percentages and font-relative units refer to.
struct LengthContext {
    double viewportWidth = 100;
    double viewportHeight = 100;
    double fontSize = 16;
};

enum class LengthAxis { kX, kY, kOther };

// px (or none), pt, pc, mm, cm, in, em, ex and %; nothing for text that is not a length.
std::optional<double> ParseLength(std::string_view text, const LengthContext& context, LengthAxis axis);

}  // namespace headless::svg
