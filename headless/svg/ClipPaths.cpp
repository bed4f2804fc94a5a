// Clip path resolution. Shapes may sit directly in the clipPath or be reached through `use`; text in a clipPath
// is not supported and is reported.
#include "headless/svg/ClipPaths.h"

#include "headless/svg/Gradients.h"
#include "headless/svg/Shapes.h"
#include "headless/svg/Style.h"
#include "headless/svg/Transform.h"

namespace headless::svg {

namespace {

Matrix ElementTransform(const XmlSource& source, pugi::xml_node element) {
    Matrix m;
    if (pugi::xml_attribute t = element.attribute("transform")) {
        if (std::string error = ParseTransform(t.value(), m); !error.empty())
            source.Fail(element, "bad transform: " + error);
    }
    return m;
}

}  // namespace

ClipGeometry ResolveClipPath(const XmlSource& source, pugi::xml_node clip, const StyleSheet& sheet,
                             const std::unordered_map<std::string, pugi::xml_node>& elements, const Box& bbox,
                             const Matrix& ctm, const LengthContext& viewport) {
    ClipGeometry result;
    Matrix base = ctm * ElementTransform(source, clip);
    if (std::string_view(clip.attribute("clipPathUnits").value()) == "objectBoundingBox") {
        if (bbox.IsEmpty()) return result;  // nothing to clip to: the element disappears
        base = base * Matrix{bbox.Width(), 0, 0, bbox.Height(), bbox.minX, bbox.minY};
    }
    const ComputedStyle clipStyle = CascadeStyle(ComputedStyle{}, clip, sheet, viewport);
    bool first = true;
    for (pugi::xml_node child = clip.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        pugi::xml_node shape = child;
        Matrix m = base * ElementTransform(source, child);
        if (std::string_view(child.name()) == "use") {
            const std::string_view href = HrefAttribute(child).value();
            const auto it = href.starts_with("#") ? elements.find(std::string(href.substr(1))) : elements.end();
            if (it == elements.end()) source.Fail(child, "use refers to missing element '" + std::string(href) + "'");
            shape = it->second;
            const double x = ParseLength(child.attribute("x").value(), viewport, LengthAxis::kX).value_or(0);
            const double y = ParseLength(child.attribute("y").value(), viewport, LengthAxis::kY).value_or(0);
            m = m * Matrix::Translate(x, y) * ElementTransform(source, shape);
        }
        const std::string_view name = shape.name();
        if (name == "text") source.Fail(child, "text as a clipping path is not supported");
        if (!IsShapeElement(name)) continue;  // titles, descriptions and the like
        const ComputedStyle style = CascadeStyle(clipStyle, shape, sheet, viewport);
        if (style.displayNone) continue;
        std::vector<Subpath> subpaths;
        if (std::string error = ShapeSubpaths(shape, viewport, subpaths); !error.empty()) source.Fail(shape, error);
        for (const Subpath& s : subpaths)
            result.subpaths.push_back(Transformed(s, m));
        if (first) result.evenOdd = style.clipEvenOdd;
        first = false;
    }
    return result;
}

}  // namespace headless::svg
