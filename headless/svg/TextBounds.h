// Estimated bounds of text elements: the host keeps text whole, so only its extent matters.
#pragma once

#include <pugixml.hpp>

#include "headless/svg/Length.h"
#include "headless/svg/Style.h"
#include "headless/svg/Subpath.h"

namespace headless::svg {

// Without font metrics every character is taken as 0.55 em wide, the line as reaching 0.8 em above the baseline
// and 0.2 em below it; text-anchor shifts each chunk; tspans with x or y start new chunks. The box is in the
// text element's user space.
Box EstimateTextBounds(pugi::xml_node text, const ComputedStyle& style, const LengthContext& context);

}  // namespace headless::svg
