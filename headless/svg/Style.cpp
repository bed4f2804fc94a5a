// Computing the modelled properties of an element: later declarations win, "inherit" takes the parent's value,
// and values that do not parse are ignored as CSS does.
#include "headless/svg/Style.h"

#include <array>
#include <cmath>

#include "headless/svg/NumberFormat.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

namespace {

constexpr std::array<std::string_view, 12> kWritten = {
    "fill",      "stroke",           "stroke-width",      "stroke-linecap", "stroke-linejoin", "stroke-miterlimit",
    "fill-rule", "stroke-dasharray", "stroke-dashoffset", "display",        "clip-path",       "transform",
};

// Written properties and those the reader needs for other reasons (clip rules, em units, text bounds).
bool IsComputedProperty(std::string_view name) {
    if (name == "transform") return false;
    for (std::string_view written : kWritten)
        if (written == name) return true;
    return name == "clip-rule" || name == "color" || name == "font-size" || name == "text-anchor";
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSvgSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSvgSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool ParsePaint(std::string_view text, const Rgb& currentColor, Paint& paint) {
    text = Trim(text);
    if (text == "none") {
        paint = Paint{};
        return true;
    }
    if (text == "currentColor") {
        paint = Paint{PaintType::kColor, currentColor, {}, true, true};
        return true;
    }
    if (text.starts_with("url(")) {
        const size_t close = text.find(')');
        if (close == std::string_view::npos) return false;
        Paint result{PaintType::kReference, {}, UrlReference(text.substr(0, close + 1)), true, false};
        if (result.reference.empty()) return false;
        const std::string_view fallback = Trim(text.substr(close + 1));
        if (!fallback.empty() && fallback != "none") {
            if (fallback == "currentColor") {
                result.color = currentColor;
            } else if (auto color = ParseColor(fallback)) {
                result.color = *color;
            } else {
                return false;
            }
            result.fallbackNone = false;
        }
        paint = result;
        return true;
    }
    if (auto color = ParseColor(text)) {
        paint = Paint{PaintType::kColor, *color, {}, true, false};
        return true;
    }
    return false;
}

bool ParseDashes(std::string_view text, const LengthContext& context, std::vector<double>& dashes) {
    text = Trim(text);
    std::vector<double> result;
    if (text != "none") {
        std::string_view rest = text;
        while (!rest.empty()) {
            size_t end = rest.find_first_of(", \t\r\n");
            const std::string_view item = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            if (item.empty()) continue;
            const auto length = ParseLength(item, context, LengthAxis::kOther);
            if (!length || *length < 0) return false;
            result.push_back(*length);
        }
        // An odd list repeats to make an even one; an all-zero list draws a solid line.
        if (result.size() % 2 == 1) result.insert(result.end(), result.begin(), result.end());
        double sum = 0;
        for (double d : result)
            sum += d;
        if (sum == 0) result.clear();
    }
    dashes = std::move(result);
    return true;
}

void Apply(ComputedStyle& style, const ComputedStyle& parent, std::string_view name, std::string_view value,
           const LengthContext& context) {
    value = Trim(value);
    const bool inherit = value == "inherit";
    auto length = [&](double& field, bool allowNegative) {
        if (inherit) return;
        const auto parsed = ParseLength(value, context, LengthAxis::kOther);
        if (parsed && (allowNegative || *parsed >= 0)) field = *parsed;
    };
    if (name == "fill") {
        if (inherit)
            style.fill = parent.fill;
        else
            ParsePaint(value, style.color, style.fill);
    } else if (name == "stroke") {
        if (inherit)
            style.stroke = parent.stroke;
        else
            ParsePaint(value, style.color, style.stroke);
    } else if (name == "stroke-width") {
        if (inherit) style.strokeWidth = parent.strokeWidth;
        length(style.strokeWidth, false);
    } else if (name == "stroke-miterlimit") {
        double limit;
        if (inherit)
            style.miterLimit = parent.miterLimit;
        else if (ParseNumber(value, limit) && limit >= 1)
            style.miterLimit = limit;
    } else if (name == "stroke-dashoffset") {
        if (inherit) style.dashOffset = parent.dashOffset;
        length(style.dashOffset, true);
    } else if (name == "stroke-dasharray") {
        if (inherit)
            style.dashes = parent.dashes;
        else
            ParseDashes(value, context, style.dashes);
    } else if (name == "stroke-linecap") {
        if (inherit)
            style.cap = parent.cap;
        else if (value == "butt")
            style.cap = LineCap::kButt;
        else if (value == "round")
            style.cap = LineCap::kRound;
        else if (value == "square")
            style.cap = LineCap::kSquare;
    } else if (name == "stroke-linejoin") {
        if (inherit)
            style.join = parent.join;
        else if (value == "miter" || value == "miter-clip")
            style.join = LineJoin::kMiter;
        else if (value == "round")
            style.join = LineJoin::kRound;
        else if (value == "bevel")
            style.join = LineJoin::kBevel;
    } else if (name == "fill-rule" || name == "clip-rule") {
        bool& field = name == "fill-rule" ? style.fillEvenOdd : style.clipEvenOdd;
        if (inherit)
            field = name == "fill-rule" ? parent.fillEvenOdd : parent.clipEvenOdd;
        else if (value == "evenodd")
            field = true;
        else if (value == "nonzero")
            field = false;
    } else if (name == "color") {
        if (inherit)
            style.color = parent.color;
        else if (auto color = ParseColor(value))
            style.color = *color;
    } else if (name == "font-size") {
        if (inherit) {
            style.fontSize = parent.fontSize;
        } else {
            LengthContext fontContext = context;
            fontContext.viewportWidth = fontContext.viewportHeight = parent.fontSize;  // % of the parent's size
            const auto parsed = ParseLength(value, fontContext, LengthAxis::kX);
            if (parsed && *parsed >= 0) style.fontSize = *parsed;
        }
    } else if (name == "text-anchor") {
        if (inherit)
            style.textAnchor = parent.textAnchor;
        else if (value == "start")
            style.textAnchor = TextAnchor::kStart;
        else if (value == "middle")
            style.textAnchor = TextAnchor::kMiddle;
        else if (value == "end")
            style.textAnchor = TextAnchor::kEnd;
    } else if (name == "display") {
        style.displayNone = inherit ? parent.displayNone : value == "none";
    } else if (name == "clip-path") {
        style.clipPath = inherit ? parent.clipPath : value == "none" ? std::string() : UrlReference(value);
    }
}

}  // namespace

bool IsWrittenProperty(std::string_view name) {
    for (std::string_view written : kWritten)
        if (written == name) return true;
    return false;
}

std::string UrlReference(std::string_view value) {
    value = Trim(value);
    if (!value.starts_with("url(") || !value.ends_with(")")) return {};
    std::string_view inner = Trim(value.substr(4, value.size() - 5));
    if (inner.size() >= 2 && (inner.front() == '\'' || inner.front() == '"') && inner.back() == inner.front())
        inner = inner.substr(1, inner.size() - 2);
    if (!inner.starts_with("#")) return {};
    return std::string(inner.substr(1));
}

ComputedStyle CascadeStyle(const ComputedStyle& parent, pugi::xml_node element, const StyleSheet& sheet,
                           LengthContext context) {
    ComputedStyle style = parent;
    style.displayNone = false;
    style.clipPath.clear();
    context.fontSize = parent.fontSize;
    // Colour first: currentColor in the other properties of the same element refers to it.
    Declarations declarations;
    for (pugi::xml_attribute attribute : element.attributes())
        if (IsComputedProperty(attribute.name())) declarations.emplace_back(attribute.name(), attribute.value());
    if (!sheet.Empty()) {
        Declarations matched = sheet.Match(element);
        declarations.insert(declarations.end(), matched.begin(), matched.end());
    }
    if (pugi::xml_attribute styleAttribute = element.attribute("style")) {
        Declarations inline_ = ParseDeclarations(styleAttribute.value());
        declarations.insert(declarations.end(), inline_.begin(), inline_.end());
    }
    for (const auto& [name, value] : declarations)
        if (name == "color") Apply(style, parent, name, value, context);
    for (const auto& [name, value] : declarations)
        if (name == "font-size") Apply(style, parent, name, value, context);
    context.fontSize = style.fontSize;
    for (const auto& [name, value] : declarations)
        if (name != "color" && name != "font-size") Apply(style, parent, name, value, context);
    return style;
}

}  // namespace headless::svg
