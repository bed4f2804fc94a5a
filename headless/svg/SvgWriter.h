// The writer: a document as SVG 1.1, at a fixed precision.
#pragma once

#include <string>

#include "headless/document/Document.h"
#include "headless/svg/SvgFile.h"

namespace headless::svg {

std::string DocumentToSvg(const Document& document);

}  // namespace headless::svg
