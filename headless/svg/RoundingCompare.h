// Comparing two texts the SVG writer made, numbers allowed to differ by the writer's rounding: a value read back and
// written again may land on the other side of a rounding step.
#pragma once

#include <string>

namespace headless::svg {

// The first place where two texts differ beyond the numbers' last written digits, or an empty string. Digits that
// continue a name (as in "id-2" or "x1") are text.
std::string DifferenceBeyondRounding(const std::string& first, const std::string& second);

}  // namespace headless::svg
