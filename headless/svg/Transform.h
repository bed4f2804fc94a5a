// The SVG transform attribute: parsing a transform list into one matrix, and printing a matrix back.
#pragma once

#include <string>
#include <string_view>

#include "headless/svg/Subpath.h"

namespace headless::svg {

// matrix, translate, scale, rotate (with an optional centre), skewX, skewY; functions apply right to left as in SVG.
// Returns an empty string on success, otherwise what is wrong.
std::string ParseTransform(std::string_view text, Matrix& result);
std::string FormatMatrix(const Matrix& m);

}  // namespace headless::svg
