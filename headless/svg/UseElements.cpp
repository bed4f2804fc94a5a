// use resolution.
#include "headless/svg/UseElements.h"

#include <algorithm>

#include "headless/svg/Gradients.h"
#include "headless/svg/Scanner.h"

namespace headless::svg {

pugi::xml_node UseTarget(const XmlSource& source, pugi::xml_node use,
                         const std::unordered_map<std::string, pugi::xml_node>& elements) {
    const std::string_view href = HrefAttribute(use).value();
    if (href.empty()) source.Fail(use, "use without a reference");
    if (!href.starts_with("#")) return {};
    const auto it = elements.find(std::string(href.substr(1)));
    if (it == elements.end()) source.Fail(use, "use refers to missing element '" + std::string(href) + "'");
    for (pugi::xml_node n = use; n; n = n.parent())
        if (n == it->second) source.Fail(use, "use refers to itself or to an element containing it");
    return it->second;
}

Matrix UseContentMatrix(pugi::xml_node use, pugi::xml_node target, const LengthContext& viewport) {
    auto length = [&](pugi::xml_node e, const char* name, LengthAxis axis, double fallback) {
        const pugi::xml_attribute a = e.attribute(name);
        return a ? ParseLength(a.value(), viewport, axis).value_or(fallback) : fallback;
    };
    const Matrix offset = Matrix::Translate(length(use, "x", LengthAxis::kX, 0), length(use, "y", LengthAxis::kY, 0));
    if (std::string_view(target.name()) != "symbol" || !target.attribute("viewBox")) return offset;
    Scanner scan(target.attribute("viewBox").value());
    double box[4];
    for (double& v : box) {
        scan.SkipSeparator();
        if (!scan.ReadNumber(v)) return offset;
    }
    if (box[2] <= 0 || box[3] <= 0) return offset;
    const double w = length(use, "width", LengthAxis::kX, box[2]);
    const double h = length(use, "height", LengthAxis::kY, box[3]);
    // xMidYMid meet, the default of symbols.
    const double s = std::min(w / box[2], h / box[3]);
    return offset * Matrix{s, 0, 0, s, (w - box[2] * s) / 2 - box[0] * s, (h - box[3] * s) / 2 - box[1] * s};
}

}  // namespace headless::svg
