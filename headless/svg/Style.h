// The style cascade: presentation attributes, style sheet rules and the style attribute, with inheritance.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "headless/svg/Color.h"
#include "headless/svg/Css.h"
#include "headless/svg/Length.h"

namespace headless::svg {

enum class PaintType { kNone, kColor, kReference };

struct Paint {
    PaintType type = PaintType::kNone;
    Rgb color;
    std::string reference;     // the id of a paint server, for kReference
    bool fallbackNone = true;  // what a reference falls back to: none, or `color`
    bool currentColor = false;
};

enum class LineCap { kButt, kRound, kSquare };
enum class LineJoin { kMiter, kRound, kBevel };
enum class TextAnchor { kStart, kMiddle, kEnd };

// The properties the host models or the reader needs (font size for em units and text bounds).
struct ComputedStyle {
    // Inherited.
    Paint fill{PaintType::kColor, {}, {}, true, false};
    Paint stroke;
    double strokeWidth = 1;
    LineCap cap = LineCap::kButt;
    LineJoin join = LineJoin::kMiter;
    double miterLimit = 4;
    std::vector<double> dashes;
    double dashOffset = 0;
    bool fillEvenOdd = false;
    bool clipEvenOdd = false;
    Rgb color;
    double fontSize = 16;
    TextAnchor textAnchor = TextAnchor::kStart;
    // Not inherited.
    bool displayNone = false;
    std::string clipPath;  // id of the clipPath element, empty for none
};

// True for the properties the writer writes from the host's path style (or the tree structure: transform,
// clip-path, display); every other attribute of a path is carried unchanged.
bool IsWrittenProperty(std::string_view name);

// The style of `element` given its parent's. `context` resolves lengths (its font size is the parent's).
ComputedStyle CascadeStyle(const ComputedStyle& parent, pugi::xml_node element, const StyleSheet& sheet,
                           LengthContext context);

// The id inside "url(#id)" (quotes allowed), or empty.
std::string UrlReference(std::string_view value);

}  // namespace headless::svg
