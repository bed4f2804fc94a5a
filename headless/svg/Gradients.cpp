// Gradient resolution. Href chains are followed at most kMaxHrefDepth deep, which also stops cycles.
#include "headless/svg/Gradients.h"

#include <algorithm>
#include <cmath>

#include "headless/geometry/Tolerance.h"
#include "headless/svg/Css.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/Transform.h"

namespace headless::svg {

namespace {

constexpr int kMaxHrefDepth = 32;

// A stop offset or an objectBoundingBox coordinate: a number or a percentage.
bool ParseFraction(std::string_view text, double& value) {
    if (!text.empty() && text.back() == '%') {
        if (!ParseNumber(text.substr(0, text.size() - 1), value)) return false;
        value /= 100;
        return true;
    }
    return ParseNumber(text, value);
}

}  // namespace

pugi::xml_attribute HrefAttribute(pugi::xml_node element) {
    if (pugi::xml_attribute href = element.attribute("href")) return href;
    return element.attribute("xlink:href");
}

bool IsGradientElement(pugi::xml_node element) {
    const std::string_view name = element.name();
    return name == "linearGradient" || name == "radialGradient";
}

pugi::xml_node GradientTable::HrefTarget(pugi::xml_node gradient) const {
    const pugi::xml_attribute href = HrefAttribute(gradient);
    if (!href) return {};
    const std::string_view value = href.value();
    if (!value.starts_with("#")) source_.Fail(gradient, "gradient link must refer to an element of the same file");
    const auto it = elements_.find(std::string(value.substr(1)));
    if (it == elements_.end()) source_.Fail(gradient, "gradient links to missing element '" + std::string(value) + "'");
    if (!IsGradientElement(it->second))
        source_.Fail(gradient, "gradient links to a <" + std::string(it->second.name()) + ">");
    return it->second;
}

pugi::xml_attribute GradientTable::Inherited(pugi::xml_node gradient, const char* name) const {
    pugi::xml_node current = gradient;
    for (int depth = 0; current; ++depth) {
        if (depth > kMaxHrefDepth) source_.Fail(gradient, "gradient links form a cycle");
        if (pugi::xml_attribute a = current.attribute(name)) return a;
        current = HrefTarget(current);
    }
    return {};
}

int GradientTable::Definition(pugi::xml_node gradient) {
    const std::string id = gradient.attribute("id").value();
    if (auto it = indexById_.find(id); it != indexById_.end()) return it->second;
    GradientDefinition definition;
    definition.id = id;
    definition.radial = std::string_view(gradient.name()) == "radialGradient";
    if (pugi::xml_attribute spread = Inherited(gradient, "spreadMethod")) definition.spreadMethod = spread.value();
    const pugi::xml_attribute units = Inherited(gradient, "gradientUnits");
    definition.boundingBoxUnits = !units || std::string_view(units.value()) != "userSpaceOnUse";
    // Stops come from the first gradient in the chain that has any.
    pugi::xml_node holder = gradient;
    for (int depth = 0; holder && !holder.child("stop"); ++depth) {
        if (depth > kMaxHrefDepth) source_.Fail(gradient, "gradient links form a cycle");
        holder = HrefTarget(holder);
    }
    double previous = 0;
    for (pugi::xml_node stop = holder ? holder.child("stop") : pugi::xml_node(); stop;
         stop = stop.next_sibling("stop")) {
        GradientStopValue value;
        if (pugi::xml_attribute offset = stop.attribute("offset");
            offset && !ParseFraction(offset.value(), value.offset))
            source_.Fail(stop, "bad offset '" + std::string(offset.value()) + "'");
        // Offsets are clamped and never decrease.
        value.offset = std::max(previous, std::clamp(value.offset, 0.0, 1.0));
        previous = value.offset;
        Declarations declarations;
        for (const char* name : {"stop-color", "stop-opacity"})
            if (pugi::xml_attribute a = stop.attribute(name)) declarations.emplace_back(name, a.value());
        const Declarations inline_ = ParseDeclarations(stop.attribute("style").value());
        declarations.insert(declarations.end(), inline_.begin(), inline_.end());
        for (const auto& [name, text] : declarations) {
            if (name == "stop-color") {
                if (auto color = ParseColor(text)) value.color = *color;
            } else if (name == "stop-opacity") {
                double opacity;
                if (ParseNumber(text, opacity)) value.opacity = std::clamp(opacity, 0.0, 1.0);
            }
        }
        definition.stops.push_back(value);
    }
    const int index = static_cast<int>(definitions_.size());
    definitions_.push_back(std::move(definition));
    indexById_.emplace(id, index);
    return index;
}

bool GradientTable::Place(pugi::xml_node gradient, const Box& bbox, const Matrix& ctm, const LengthContext& viewport,
                          GradientPlacement& placement) {
    placement = {};
    placement.definition = Definition(gradient);
    const bool boundingBoxUnits = definitions_[static_cast<size_t>(placement.definition)].boundingBoxUnits;
    Matrix transform;
    if (pugi::xml_attribute t = Inherited(gradient, "gradientTransform")) {
        if (std::string error = ParseTransform(t.value(), transform); !error.empty())
            source_.Fail(gradient, "bad gradientTransform: " + error);
    }
    Matrix unitMatrix;
    if (boundingBoxUnits) {
        if (bbox.IsEmpty() || bbox.Width() == 0 || bbox.Height() == 0) return false;
        unitMatrix = {bbox.Width(), 0, 0, bbox.Height(), bbox.minX, bbox.minY};
    }
    auto coordinate = [&](const char* name, const char* fallback, LengthAxis axis) {
        const pugi::xml_attribute a = Inherited(gradient, name);
        const std::string_view text = a ? a.value() : fallback;
        double value = 0;
        bool ok;
        if (boundingBoxUnits) {
            ok = ParseFraction(text, value);
        } else {
            const auto length = ParseLength(text, viewport, axis);
            ok = length.has_value();
            if (ok) value = *length;
        }
        if (!ok) source_.Fail(gradient, std::string("bad ") + name + " '" + std::string(text) + "'");
        return value;
    };
    placement.toRoot = ctm * unitMatrix * transform;
    if (!placement.toRoot.IsFinite()) source_.Fail(gradient, "gradient transform out of range");
    if (std::string_view(gradient.name()) == "linearGradient") {
        placement.start = {coordinate("x1", "0%", LengthAxis::kX), coordinate("y1", "0%", LengthAxis::kY)};
        placement.end = {coordinate("x2", "100%", LengthAxis::kX), coordinate("y2", "0%", LengthAxis::kY)};
    } else {
        placement.start = {coordinate("cx", "50%", LengthAxis::kX), coordinate("cy", "50%", LengthAxis::kY)};
        placement.radius = coordinate("r", "50%", LengthAxis::kOther);
        if (placement.radius < 0) source_.Fail(gradient, "negative radius");
        placement.focus = placement.start;
        if (Inherited(gradient, "fx")) placement.focus.x = coordinate("fx", "50%", LengthAxis::kX);
        if (Inherited(gradient, "fy")) placement.focus.y = coordinate("fy", "50%", LengthAxis::kY);
    }
    const auto withinReach = [&](Point p) {
        const Point onPage = placement.toRoot.Apply(p);
        return std::fabs(onPage.x) <= geometry::kMaxGradientReach && std::fabs(onPage.y) <= geometry::kMaxGradientReach;
    };
    const Point rim{placement.start.x + placement.radius, placement.start.y};
    if (!withinReach(placement.start) || !withinReach(placement.end) || !withinReach(placement.focus) ||
        !withinReach(rim))
        source_.Fail(gradient, "gradient ends out of range");
    return true;
}

}  // namespace headless::svg
