// Numbers as the SVG writer prints them: fixed precision, trailing zeros and a lone "-0" trimmed.
#pragma once

#include <string>
#include <string_view>

namespace headless::svg {

constexpr int kDefaultDecimals = 4;

void AppendNumber(std::string& out, double value, int decimals = kDefaultDecimals);
std::string FormatNumber(double value, int decimals = kDefaultDecimals);

// Parses a whole string as one number (no unit); false when anything else is in it.
bool ParseNumber(std::string_view text, double& value);

}  // namespace headless::svg
