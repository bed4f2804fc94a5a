// The one exception of the SVG reader and writer: a message naming the file, the line, the element and the fault.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace headless::svg {

class SvgError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "file:line: <element>: what" (line 0 and an empty element are left out). Every reader error and warning is made
// here.
std::string FormatSvgError(std::string_view file, int line, std::string_view element, std::string_view what);
[[noreturn]] void ThrowSvgError(std::string_view file, int line, std::string_view element, std::string_view what);

}  // namespace headless::svg
