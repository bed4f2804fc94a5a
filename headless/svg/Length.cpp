// Length units at 96 user units to the inch, as CSS defines them.
#include "headless/svg/Length.h"

#include <cmath>

#include "headless/svg/Scanner.h"

namespace headless::svg {

std::optional<double> ParseLength(std::string_view text, const LengthContext& context, LengthAxis axis) {
    Scanner scan(text);
    scan.SkipSpaces();
    double value = 0;
    if (!scan.ReadNumber(value)) return std::nullopt;
    const size_t unitStart = scan.Position();
    std::string_view unit = text.substr(unitStart);
    while (!unit.empty() && IsSvgSpace(unit.back()))
        unit.remove_suffix(1);
    double factor;
    if (unit.empty() || unit == "px") {
        factor = 1;
    } else if (unit == "pt") {
        factor = 96.0 / 72.0;
    } else if (unit == "pc") {
        factor = 16;
    } else if (unit == "mm") {
        factor = 96.0 / 25.4;
    } else if (unit == "cm") {
        factor = 96.0 / 2.54;
    } else if (unit == "in") {
        factor = 96;
    } else if (unit == "em") {
        factor = context.fontSize;
    } else if (unit == "ex") {
        factor = context.fontSize / 2;
    } else if (unit == "%") {
        const double reference = axis == LengthAxis::kX ? context.viewportWidth
                                 : axis == LengthAxis::kY
                                     ? context.viewportHeight
                                     : std::hypot(context.viewportWidth, context.viewportHeight) / std::sqrt(2.0);
        factor = reference / 100;
    } else {
        return std::nullopt;
    }
    // Units can take a huge number past the largest double.
    if (!std::isfinite(value * factor)) return std::nullopt;
    return value * factor;
}

}  // namespace headless::svg
