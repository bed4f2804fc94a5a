// Linear and radial gradients: href inheritance of stops and attributes, units, and their placement on a shape.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <unordered_map>
#include <vector>

#include "headless/svg/Length.h"
#include "headless/svg/SvgTree.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

bool IsGradientElement(pugi::xml_node element);

class GradientTable {
public:
    GradientTable(const XmlSource& source, const std::unordered_map<std::string, pugi::xml_node>& elements,
                  std::vector<GradientDefinition>& definitions)
        : source_(source), elements_(elements), definitions_(definitions) {}

    // Places the gradient `gradient` on a shape whose bounding box in its own user space is `bbox` and whose
    // user space maps to the root by `ctm`. False when the gradient paints nothing there (objectBoundingBox
    // units on a shape without area). Throws SvgError for a broken gradient.
    bool Place(pugi::xml_node gradient, const Box& bbox, const Matrix& ctm, const LengthContext& viewport,
               GradientPlacement& placement);

private:
    // The attribute from the gradient or the first gradient up its href chain that has it.
    pugi::xml_attribute Inherited(pugi::xml_node gradient, const char* name) const;
    pugi::xml_node HrefTarget(pugi::xml_node gradient) const;
    int Definition(pugi::xml_node gradient);

    const XmlSource& source_;
    const std::unordered_map<std::string, pugi::xml_node>& elements_;
    std::vector<GradientDefinition>& definitions_;
    std::unordered_map<std::string, int> indexById_;
};

// The href (SVG 2) or xlink:href (SVG 1.1) of an element.
pugi::xml_attribute HrefAttribute(pugi::xml_node element);

}  // namespace headless::svg
