// Elements carried unchanged: serialized with their transform made absolute, and the ids their text refers to.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "headless/svg/Subpath.h"

namespace headless::svg {

// The element as XML text; `absolute` replaces its transform attribute (removed when it is the identity).
std::string SerializeElement(pugi::xml_node element, const Matrix& absolute);
std::string SerializeElement(pugi::xml_node element);

// Every id referred to as url(#id) or as an href of "#id" in `text`.
void CollectReferences(std::string_view text, std::vector<std::string>& ids);

}  // namespace headless::svg
