// clipPath elements: their shapes, in either unit system, as subpaths in the root's user space.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <unordered_map>
#include <vector>

#include "headless/svg/Css.h"
#include "headless/svg/Length.h"
#include "headless/svg/Subpath.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

struct ClipGeometry {
    std::vector<Subpath> subpaths;
    bool evenOdd = false;  // the clip-rule of the first shape: the host's clipping path has one rule
};

// The clipping region of `clip` for an element whose bounding box in its own user space is `bbox` and whose user
// space maps to the root by `ctm`. Throws SvgError for what cannot be a clipping path.
ClipGeometry ResolveClipPath(const XmlSource& source, pugi::xml_node clip, const StyleSheet& sheet,
                             const std::unordered_map<std::string, pugi::xml_node>& elements, const Box& bbox,
                             const Matrix& ctm, const LengthContext& viewport);

}  // namespace headless::svg
