// The use element: what it refers to and how the referenced content is placed.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <unordered_map>

#include "headless/svg/Length.h"
#include "headless/svg/Subpath.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

// The referenced element, or an empty node when the use refers into another file (which the reader does not
// open); throws SvgError when it is missing or is the use itself or one of its ancestors.
pugi::xml_node UseTarget(const XmlSource& source, pugi::xml_node use,
                         const std::unordered_map<std::string, pugi::xml_node>& elements);

// From the referenced content's user space to the use element's: the x/y offset, and for a symbol with a
// viewBox the fit into the use's width and height.
Matrix UseContentMatrix(pugi::xml_node use, pugi::xml_node target, const LengthContext& viewport);

}  // namespace headless::svg
