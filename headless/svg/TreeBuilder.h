// Stage two of the reader: from parsed XML to the resolved tree (see SvgTree.h).
#pragma once

#include "headless/svg/SvgTree.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

// Throws SvgError naming the element and what is wrong with it.
SvgTree BuildSvgTree(const XmlSource& source);

}  // namespace headless::svg
